#pragma once

#include <QString>

// The registers' audit stamp: the logged-in user, a blank, and the present
// date and time as dd/mm/yyyy hh:mm:ss. Each call reads the clock anew.
QString auditStamp();
