#pragma once
// The file viewer: a small window kept above the others that shows the raw
// text of the active run's measurement file.
#include <QWidget>

class QTextEdit;

namespace nivora::app {

class CNMDateiDlg final : public QWidget {
    Q_OBJECT
  public:
    explicit CNMDateiDlg(QWidget* owner);
    // Caption and text; the text gets the umlaut repair.
    void SetContent(const QString& caption, std::string text);
    QString Text() const;
    // Shows the window; the first showing in the process puts it at the
    // bottom right of the screen.
    void ShowViewer();

  private:
    QTextEdit* m_edit;
    static bool s_placed;
};

}  // namespace nivora::app
