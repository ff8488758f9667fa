#pragma once
// Today's date, from the platform: pages print it as their processing date.
namespace nivora {

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    bool operator==(const CivilDate&) const = default;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual CivilDate Today() const = 0;
};

// A clock that always tells the same day (tests, reproducible output).
class FixedClock final : public IClock {
  public:
    explicit FixedClock(CivilDate date) : m_date(date) {}
    CivilDate Today() const override { return m_date; }

  private:
    CivilDate m_date;
};

}  // namespace nivora
