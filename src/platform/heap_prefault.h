// Maps the heap's fresh pages on a spare core, ahead of the thread that fills them.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// While it lives, a thread of its own faults in every page the heap has taken from the system and
// not used yet (madvise MADV_POPULATE_WRITE, which leaves what is there as it is), so that a thread
// building big tables finds its pages ready instead of stopping on a fault for each. Does nothing
// where the system lacks the call. Pays where the heap grows from one end (glibc's main heap).
class HeapPrefault {
public:
  HeapPrefault();
  ~HeapPrefault();
  HeapPrefault(const HeapPrefault &) = delete;
  HeapPrefault &operator=(const HeapPrefault &) = delete;

private:
  void Loop();

  std::mutex m_mutex;
  std::condition_variable m_stopped;
  bool m_stop = false;
  std::thread m_thread;
};
