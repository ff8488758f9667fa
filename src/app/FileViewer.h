#pragma once
// The file viewer: a small window kept above the others that shows the raw
// lines of the active run's measurement file. A run of a million lines is
// shown as a list over the run's own lines, and only while the window is
// shown: each visible line is converted when it is drawn.
#include <QAbstractListModel>
#include <QWidget>
#include <memory>

class QListView;

namespace nivora {
class CMessFahrtDaten;
}

namespace nivora::app {

// The lines of a run, or one placeholder line, as list rows.
class FileLinesModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;
    // The run is kept alive while its lines are shown; null shows nothing.
    void SetRun(std::shared_ptr<const CMessFahrtDaten> run, int charWidth, int lineHeight);
    void SetPlaceholder(const QString& line);
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Longer lines are cut, so that a file of one huge line stays usable.
    static constexpr std::size_t kMaxShownChars = 8000;

  private:
    QString LineText(int row) const;

    std::shared_ptr<const CMessFahrtDaten> m_run;
    QString m_placeholder;
    bool m_hasPlaceholder = false;
    QSize m_itemSize;
};

class CNMDateiDlg final : public QWidget {
    Q_OBJECT
  public:
    explicit CNMDateiDlg(QWidget* owner);
    // The run to show; its lines are filled in while the window is shown.
    // Null: an empty caption and no lines.
    void SetContent(const QString& caption, std::shared_ptr<const CMessFahrtDaten> run);
    // A caption and a single line of text instead of a run.
    void SetText(const QString& caption, const QString& text);
    // The lines shown, joined with line feeds (empty while hidden).
    QString Text() const;
    int ShownLineCount() const;
    QListView* List() const { return m_list; }
    // Shows the window; the first showing in the process puts it at the
    // bottom right of the screen.
    void ShowViewer();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Fill();

    QListView* m_list;
    FileLinesModel* m_model;
    std::weak_ptr<const CMessFahrtDaten> m_run;
    QString m_text;
    bool m_showsText = true;
    static bool s_placed;
};

}  // namespace nivora::app
