#include "platform/heap_prefault.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>

#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace {

// The end of the heap: brk(0) asks without moving it.
std::uintptr_t HeapEnd() {
  return std::uintptr_t(::syscall(SYS_brk, 0));
}

} // namespace

HeapPrefault::HeapPrefault() : m_thread([this] { Loop(); }) {}

HeapPrefault::~HeapPrefault() {
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_stopped.notify_one();
  m_thread.join();
}

void HeapPrefault::Loop() {
  const std::uintptr_t page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
  // The pages below the end at start were mostly touched while the program started.
  std::uintptr_t done = HeapEnd() & ~(page - 1);
  // A step holds the lock of the address space, which the heap needs to grow: keep it short.
  const std::uintptr_t step = 64 * page;
  auto idle = std::chrono::microseconds(50);
  std::unique_lock lock(m_mutex);
  while (!m_stop) {
    const std::uintptr_t end = HeapEnd();
    if (done >= end) {
      // Caught up: look again later, less often the longer the heap stays as it is.
      m_stopped.wait_for(lock, idle);
      idle = std::min(idle * 2, std::chrono::microseconds(2000));
      continue;
    }
    idle = std::chrono::microseconds(50);
    lock.unlock();
    const std::uintptr_t to = std::min(end, done + step);
    const bool unknown =
        ::madvise(reinterpret_cast<void *>(done), to - done, MADV_POPULATE_WRITE) != 0 && errno == EINVAL;
    done = to;
    lock.lock();
    if (unknown)
      return; // a kernel without the call (before 5.14)
  }
}
