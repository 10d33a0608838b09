#pragma once

// Registers the shell's own windows by form name.
void registerShellWindows();
