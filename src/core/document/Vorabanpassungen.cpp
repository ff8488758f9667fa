#include "document/Vorabanpassungen.h"

#include <cstdlib>

#include "text/Cp1252.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

std::string CVorabanpassungenDlg::Metres(int32_t dm) { return text::FormatFixed(dm / 10.0, 1); }

const char* CVorabanpassungenDlg::IntroductionText() {
    static const std::string text = text::W(
        "Die Messfahrtdatei wird offensichtlich zum ersten Mal geladen. Deswegen erfolgt hier die "
        "Abfrage zu Datenanpassungen, die zu einem späteren Zeitpunkt nicht mehr möglich sind. "
        "\n\nSollten Sie keine Änderungen vornehmen wollen, klicken Sie einfach jetzt OK.");
    return text.c_str();
}

std::string CVorabanpassungenDlg::MirrorCaption() {
    return text::W(
        "Abfolge der Messwerte \"spiegeln\". Der Startpunkt wird also zum Endpunkt und umgekehrt.");
}

CVorabanpassungenDlg::CVorabanpassungenDlg(int32_t readStart, int32_t readEnd)
    : m_readStart(readStart), m_readEnd(readEnd) {
    m_readStartText = Metres(readStart);
    m_readEndText = Metres(readEnd);
    // Setting the start field counts as a change of it, with the check boxes
    // still unticked.
    OnStartChanged(Metres(readStart));
    m_endField = Metres(readEnd);
    m_ascending = readStart < readEnd;
    UpdateLabels();
}

void CVorabanpassungenDlg::ReadStartField() {
    m_newStart = text::TruncToInt(text::ReadNumber(m_startField) * 10);
}

void CVorabanpassungenDlg::UpdateNewEnd() {
    const long long length = std::llabs(static_cast<long long>(m_readStart) - m_readEnd);
    m_newEnd = text::ClampToInt((m_ascending ? length : -length) + m_newStart);
    m_endField = Metres(m_newEnd);
}

bool CVorabanpassungenDlg::IsAdjusted() const {
    return m_adjust && (m_readStart != m_newStart || m_readEnd != m_newEnd);
}

void CVorabanpassungenDlg::UpdateLabels() {
    int32_t a = m_readStart, b = m_readEnd;
    const bool adjusted = IsAdjusted();
    if (adjusted) {
        a = m_newStart;
        b = m_newEnd;
    }
    if (m_mirror) std::swap(a, b);
    m_highlighted = adjusted || m_mirror;
    m_adjustedStartText = m_highlighted ? Metres(a) : std::string();
    m_adjustedEndText = m_highlighted ? Metres(b) : std::string();
    m_stateText = adjusted && m_mirror ? "angepasst und gespiegelt"
                  : adjusted           ? "angepasst"
                  : m_mirror           ? "gespiegelt"
                                       : "";
}

void CVorabanpassungenDlg::OnAdjustClicked(bool adjust) {
    m_adjust = adjust;
    UpdateNewEnd();
    UpdateLabels();
}

void CVorabanpassungenDlg::OnAscendingClicked(bool ascending) {
    m_ascending = ascending;
    UpdateNewEnd();
    UpdateLabels();
}

void CVorabanpassungenDlg::OnStartChanged(const std::string& text) {
    m_startField = text;
    ReadStartField();
    UpdateNewEnd();
    UpdateLabels();
}

void CVorabanpassungenDlg::OnStartKillFocus() {
    OnStartChanged(m_startField);
    m_startField = Metres(m_newStart);
}

void CVorabanpassungenDlg::OnMirrorClicked(bool mirror) {
    m_mirror = mirror;
    UpdateLabels();
}

void CVorabanpassungenDlg::OnOk() {
    m_resultText.clear();
    if (IsAdjusted()) m_resultText = std::to_string(m_newStart) + (m_ascending ? ";1" : ";0");
}

}  // namespace nivora
