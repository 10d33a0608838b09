#pragma once

// Registers the windows of cost categories, cost lines, supplies purchases
// and their allocation to orders, and the order picker, by form name.
void registerSupplyWindows();
