#pragma once

// Ending the program from anywhere, nested modal windows included: every
// window closes and the event loops stop. Code that returns from a modal
// window checks ending() and returns too.
namespace program {

void End();
bool ending();
// main() marks its event loop as running, so End() can stop it.
void setMainLoopRunning(bool running);
// Tests run several program lives in one process.
void resetForTests();

} // namespace program
