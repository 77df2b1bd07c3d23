#pragma once

#include <QIcon>

// The program's icon, 16×16 and 32×32.
QIcon programIcon();
