#pragma once
// Today's date from the system's local calendar.
#include "platform/Clock.h"

namespace nivora::qt {

class QtClock final : public IClock {
  public:
    CivilDate Today() const override;
};

}  // namespace nivora::qt
