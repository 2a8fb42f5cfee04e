// Texts taken from photo and music tags, made safe to show: trimmed, without control characters.
#pragma once

#include <QByteArrayView>
#include <QString>

// UTF-8 bytes (Latin-1 when they are not valid UTF-8) up to the first zero byte; control characters
// become blanks; blanks at both ends are dropped.
QString MetadataText(QByteArrayView bytes);

// The same for a text already decoded.
QString CleanMetadataText(const QString &text);
