#include "QtClock.h"

#include <QDate>

namespace nivora::qt {

CivilDate QtClock::Today() const {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

}  // namespace nivora::qt
