#pragma once
#include <string>

namespace nivora {

// Reads a run's header text entry by entry. Entries are separated by 0xBF;
// a text that begins with a label ("Datum:") is read as label and value,
// otherwise every entry gets the default label of its position.
class CKopfdatenLeser {
  public:
    explicit CKopfdatenLeser(std::string headerText);

    struct Entry {
        std::string label;
        std::string value;
    };
    Entry Next();
    bool IsLabelled() const { return m_labelled; }

  private:
    std::string m_text;
    int m_counter = 0;
    bool m_labelled = false;
};

}  // namespace nivora
