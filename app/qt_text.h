// Crossing between the program's GBK texts and Qt's Unicode strings.
#pragma once

#include <QString>

#include "text/text.h"

// The GBK text as a Qt string.
QString FromGbk(std::string_view gbk);

// The Qt string in GBK; "?" for each character GBK lacks.
Text ToGbk(const QString& text);
