#pragma once
// A static text that paints itself: its own background and text colour, an
// underlined font, and a web or mail link opened with the desktop's services.
#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QUrl>
#include <functional>
#include <optional>

namespace nivora::app {

// A core colour 0x00BBGGRR as a QColor.
QColor FromColorRef(uint32_t bgr);

class CLabel : public QLabel {
    Q_OBJECT

  public:
    enum class LinkKind { None, Web, Mail };
    // How the text is placed, after the static styles of the dialog
    // templates: left with wrap is the default.
    enum class Placement { Left, LeftNoWrap, Centre, Right, CentreImage };

    explicit CLabel(QWidget* parent = nullptr);
    CLabel(const QString& text, QWidget* parent = nullptr);

    // Each setter redraws the label and returns it, so calls can be chained.
    // An invalid colour drops the own background: the button face shows.
    CLabel& SetBackgroundColour(const QColor& colour);
    CLabel& SetTextColour(const QColor& colour);
    CLabel& SetUnderline(bool on);
    CLabel& EnableWebLink(bool on = true);
    CLabel& EnableMailLink(bool on = true);
    CLabel& SetHoverCursor(const QCursor& cursor);
    CLabel& SetPlacement(Placement placement);

    std::optional<QColor> BackgroundColour() const { return m_background; }
    // The colour the background is filled with now.
    QColor EffectiveBackground() const;
    QColor TextColour() const {
        return m_textColour.value_or(palette().color(QPalette::WindowText));
    }
    bool Underline() const { return font().underline(); }
    LinkKind Link() const { return m_link; }
    // What a click opens: the text as a web address, or "mailto:" and the text.
    QUrl LinkTarget() const;

    // Qt text flags for a placement and a text.
    static int TextFlags(Placement placement, const QString& text);

    // Replaces the desktop's URL handler (tests).
    void SetLinkOpener(std::function<bool(const QUrl&)> opener) { m_opener = std::move(opener); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::optional<QColor> m_background;
    std::optional<QColor> m_textColour;
    LinkKind m_link = LinkKind::None;
    Placement m_placement = Placement::Left;
    std::function<bool(const QUrl&)> m_opener;
};

}  // namespace nivora::app
