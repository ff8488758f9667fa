#pragma once
// The first-load dialog "Datenanpassungen" as plain logic: the desktop
// program puts widgets on it, the command-line program answers it from its
// options. Stations are decimetres; the fields show metres.
#include <cstdint>
#include <string>

namespace nivora {

// What the document needs from the dialog once it has been closed.
struct FirstLoadAnswer {
    bool mirror = false;
    std::string kilometrage;  // empty: no new start and direction
};

// Shown by the document when a run has no state file yet.
class IFirstLoadDialog {
  public:
    virtual ~IFirstLoadDialog() = default;
    virtual FirstLoadAnswer Ask(int32_t rangeStart, int32_t rangeEnd) = 0;
};

// Confirms the dialog with OK without changing anything.
class AcceptingFirstLoadDialog final : public IFirstLoadDialog {
  public:
    FirstLoadAnswer Ask(int32_t, int32_t) override { return {}; }
};

class CVorabanpassungenDlg {
  public:
    // Control ids of the dialog template.
    enum Control {
        kAscending = 1138,
        kAdjust = 1139,
        kMirror = 1140,
        kReadStart = 1141,
        kReadEnd = 1142,
        kAdjustedStart = 1143,
        kAdjustedEnd = 1144,
        kStartField = 1145,
        kStartLabel = 1146,
        kEndLabel = 1147,
        kStateLabel = 1148,
        kEndField = 1040,
    };
    static constexpr uint32_t kHighlightColour = 0x00FFFFBF;  // RGB (191, 255, 255) as 0x00BBGGRR

    CVorabanpassungenDlg(int32_t readStart, int32_t readEnd);

    // Notifications, with the check boxes as the user left them.
    void OnAdjustClicked(bool adjust);
    void OnAscendingClicked(bool ascending);
    void OnStartChanged(const std::string& text);
    void OnStartKillFocus();
    void OnMirrorClicked(bool mirror);
    void OnOk();

    // What the dialog shows.
    const std::string& ReadStartText() const { return m_readStartText; }
    const std::string& ReadEndText() const { return m_readEndText; }
    const std::string& AdjustedStartText() const { return m_adjustedStartText; }
    const std::string& AdjustedEndText() const { return m_adjustedEndText; }
    const std::string& StartFieldText() const { return m_startField; }
    const std::string& EndFieldText() const { return m_endField; }
    const std::string& StateText() const { return m_stateText; }
    bool AdjustedLabelsHighlighted() const { return m_highlighted; }
    bool FrameEnabled() const { return m_adjust; }
    bool Adjust() const { return m_adjust; }
    bool Ascending() const { return m_ascending; }
    bool Mirror() const { return m_mirror; }
    int32_t NewStart() const { return m_newStart; }
    int32_t NewEnd() const { return m_newEnd; }

    // The answer after the dialog was closed (OK, Escape or close box).
    FirstLoadAnswer Answer() const { return {m_mirror, m_resultText}; }

    static const char* IntroductionText();
    static std::string MirrorCaption();
    static std::string Metres(int32_t decimetres);

  private:
    void ReadStartField();
    void UpdateNewEnd();
    void UpdateLabels();
    bool IsAdjusted() const;

    int32_t m_readStart;
    int32_t m_readEnd;
    int32_t m_newStart = 0;
    int32_t m_newEnd = 0;
    bool m_ascending = false;
    bool m_adjust = false;
    bool m_mirror = false;
    bool m_highlighted = false;
    std::string m_resultText;
    std::string m_readStartText, m_readEndText, m_adjustedStartText, m_adjustedEndText;
    std::string m_startField, m_endField, m_stateText;
};

}  // namespace nivora
