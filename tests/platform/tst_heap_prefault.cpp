// The heap's pages faulted in on another thread keep what the program writes in them.
#include "platform/heap_prefault.h"

#include <QtTest>

#include <cstdlib>
#include <memory>
#include <vector>

class TestHeapPrefault : public QObject {
  Q_OBJECT
private slots:
  void whileTheHeapGrows_everyByteStaysAsWritten() {
    HeapPrefault prefault;
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    // Many small blocks, as a listing makes: the heap grows while the other thread maps its pages.
    for (int i = 0; i < 20000; ++i) {
      const size_t size = 64 + size_t(i % 7) * 100;
      blocks.emplace_back(new unsigned char[size]);
      for (size_t k = 0; k < size; ++k)
        blocks.back()[k] = static_cast<unsigned char>(i + k);
    }
    for (int i = 0; i < int(blocks.size()); ++i) {
      const size_t size = 64 + size_t(i % 7) * 100;
      for (size_t k = 0; k < size; ++k)
        if (blocks[size_t(i)][k] != static_cast<unsigned char>(i + k))
          QFAIL(qPrintable(QStringLiteral("block %1 changed at byte %2").arg(i).arg(k)));
    }
  }
};

QTEST_GUILESS_MAIN(TestHeapPrefault)
#include "tst_heap_prefault.moc"
