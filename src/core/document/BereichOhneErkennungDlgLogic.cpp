#include "document/BereichOhneErkennungDlgLogic.h"

#include <utility>

#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

std::string Metres(int32_t decimetres) { return text::FormatFixed(decimetres / 10.0, 1); }

}  // namespace

CBereichOhneErkennungDlg::CBereichOhneErkennungDlg(const BEREICH_OHNE_ERKENNUNG_DATEN& area,
                                                   bool ascending)
    : CBereichOhneErkennungDlg(Metres(area.from), Metres(area.to), area.text, ascending) {}

CBereichOhneErkennungDlg::CBereichOhneErkennungDlg(std::string fromText, std::string toText,
                                                   const std::string& text, bool ascending)
    : m_fromText(std::move(fromText)),
      m_toText(std::move(toText)),
      m_remark(text),
      m_ascending(ascending) {
    text::ReplaceText(m_remark, "{{CRLF}}", "\r\n", true);
    // Stored areas may stand in either order; shown in the direction of travel.
    const double from = text::ToDouble(m_fromText);
    const double to = text::ToDouble(m_toText);
    if ((ascending && from > to) || (!ascending && to > from)) std::swap(m_fromText, m_toText);
}

std::string CBereichOhneErkennungDlg::Caption() {
    return text::W("Bereich ohne Überschreitungsauswertung");
}
std::string CBereichOhneErkennungDlg::FromLabel() { return "von Station [m]:"; }
std::string CBereichOhneErkennungDlg::ToLabel() { return "bis Station [m]:"; }
std::string CBereichOhneErkennungDlg::RemarkLabel() {
    return text::W("Bemerkung (erscheint im Überschreitungsprotokoll):");
}
std::string CBereichOhneErkennungDlg::HintText() {
    return text::W(
        "Hinweis: Nach schließen dieses Dialogs muss die autom. "
        "Überschreitungserkennung wiederholt werden.");
}
std::string CBereichOhneErkennungDlg::DeleteCaption() { return text::W("Bereich wieder löschen"); }
std::string CBereichOhneErkennungDlg::OkCaption() { return "OK"; }
std::string CBereichOhneErkennungDlg::CancelCaption() { return "Abbrechen"; }

}  // namespace nivora
