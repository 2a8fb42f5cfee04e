// Names and paths of a listing copied into large blocks they share.
#pragma once

#include <QArrayDataPointer>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <initializer_list>

// A listing of a hundred thousand files makes as many names and paths. Made here, each costs its
// characters and a share of a block rather than an allocation of its own. They are ordinary QString
// and QByteArray values: each holds a reference to its block, a block is freed with the last text in
// it, and a text that is changed is first copied out, as any shared text is.
class TextBlocks {
public:
  // The name decoded as DecodeName does.
  QString Decode(QByteArrayView name);
  QString Add(QStringView text);
  // The parts one after the other.
  QString Concatenated(std::initializer_list<QStringView> parts);
  // folder followed by name.
  QString Joined(QStringView folder, QStringView name) { return Concatenated({folder, name}); }
  QByteArray Joined(QByteArrayView folder, QByteArrayView name);
  QByteArray Add(QByteArrayView bytes) { return Joined(QByteArrayView(), bytes); }
  // folder followed by the encoded name, as EncodeNameAfter makes them.
  QByteArray Encoded(QByteArrayView folder, QStringView name);

private:
  template <typename T> struct Block {
    QArrayDataPointer<T> owner; // the block itself, empty
    qsizetype used = 0;
    // Where n units (and a NUL after them) go; null for a text better held on its own.
    T *Room(qsizetype n);
    // The n units written at the room as a text sharing the block.
    QArrayDataPointer<T> Take(qsizetype n);
  };
  Block<char16_t> m_chars;
  Block<char> m_bytes;
};
