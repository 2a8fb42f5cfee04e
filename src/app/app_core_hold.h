// The guard that gathers the refreshes asked for during one operation of the core into one.
#pragma once

#include "app/app_core.h"

// While any hold lives, refreshes asked for are noted; the last hold to end runs one.
class AppCore::RefreshHold {
public:
  explicit RefreshHold(AppCore &core) : m_core(core) { ++m_core.m_holds; }
  ~RefreshHold() {
    if (--m_core.m_holds == 0 && m_core.m_refreshPending) {
      m_core.m_refreshPending = false;
      m_core.RunOptionChanged();
    }
  }
  // The operation ends with its own refresh: what was asked for meanwhile is covered by it.
  void Discard() { m_core.m_refreshPending = false; }
  RefreshHold(const RefreshHold &) = delete;
  RefreshHold &operator=(const RefreshHold &) = delete;

private:
  AppCore &m_core;
};
