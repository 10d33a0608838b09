#pragma once

// Registers the master-data registers and pickers by form name.
void registerRegisterWindows();
