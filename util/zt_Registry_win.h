// The real registry behind the registry interface: keys under HKEY_CURRENT_USER.
#pragma once

#include "util/zt_Registry.h"

class Win32Registry : public Registry {
  public:
    std::unique_ptr<RegistryKey> NewKey() override;
};
