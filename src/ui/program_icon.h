// The program's icon, drawn in code: a green shell with the letters ZR.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
