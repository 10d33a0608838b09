#pragma once

// Registers the accounts payable and receivable windows by form name.
void registerFinanceWindows();
