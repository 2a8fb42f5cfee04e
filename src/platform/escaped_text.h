// Text that cannot steer a terminal or fake a line: control characters written as escapes.
#pragma once

#include <QString>
#include <QStringView>

// The text with every C0 control character (U+0000 to U+001F) and DEL written as "\x" and two
// lower-case hexadecimal digits ("\x1b", "\x0a"), and every C1 control character (U+0080 to U+009F)
// as "\u" and four ("\u009b"), which sets it apart from a byte that is not valid UTF-8 ("\x9B" in
// ShownName). Everything else is left as it is.
QString EscapedControls(QStringView text);
// The same, added at the end of out without a text of its own between.
void AppendEscapedControls(QString &out, QStringView text);
