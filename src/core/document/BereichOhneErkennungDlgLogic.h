#pragma once
// The dialog "Bereich ohne Überschreitungsauswertung" as plain logic: it shows
// one excluded area and changes nothing. The desktop program puts widgets on
// it. Texts are Windows-1252.
#include <string>

#include "document/Texte.h"

namespace nivora {

class CBereichOhneErkennungDlg {
  public:
    static constexpr int kTemplate = 193;
    // Control ids of the dialog template.
    enum Control { kFromField = 1033, kToField = 1032, kRemarkField = 1000, kDeleteCheck = 1138 };

    // An area as the view finds it, with the run's direction.
    CBereichOhneErkennungDlg(const BEREICH_OHNE_ERKENNUNG_DATEN& area, bool ascending);
    // The two stations already written as metres ("%.1f"), and the stored text.
    CBereichOhneErkennungDlg(std::string fromText, std::string toText, const std::string& text,
                             bool ascending);

    // The station fields in the direction of travel, and the remark with its
    // "{{CRLF}}" turned into line breaks ("\r\n").
    const std::string& FromText() const { return m_fromText; }
    const std::string& ToText() const { return m_toText; }
    const std::string& RemarkText() const { return m_remark; }
    bool Ascending() const { return m_ascending; }

    // The area is only shown: the fields are disabled and the delete box is hidden.
    bool FieldsEnabled() const { return false; }
    bool DeleteCheckVisible() const { return false; }

    // "OK" and "Abbrechen" close the dialog; nothing changes either way.
    void OnOk() {}
    void OnCancel() {}

    static std::string Caption();
    static std::string FromLabel();
    static std::string ToLabel();
    static std::string RemarkLabel();
    static std::string HintText();
    static std::string DeleteCaption();
    static std::string OkCaption();
    static std::string CancelCaption();

  private:
    std::string m_fromText;
    std::string m_toText;
    std::string m_remark;
    bool m_ascending;
};

}  // namespace nivora
