#pragma once

// Registers the report windows and the print assistant by form name.
void registerReportWindows();
