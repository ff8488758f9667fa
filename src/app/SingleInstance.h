#pragma once
// Only one instance of a version runs per user: a second start asks the
// first to bring its main window to the front (and to open the file it was
// given with --open), and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace nivora::app {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    // True when this is the first instance (it then listens for later ones);
    // false after a running instance was asked to come to the front and to
    // open fileToOpen (an absolute path, or empty for none).
    bool Acquire(const QString& fileToOpen = {});

  signals:
    void ActivationRequested();
    // A later start handed over a file; emitted once its message is complete.
    void OpenRequested(const QString& path);

  private:
    void Handle(const QByteArray& line);

    QString m_name;
    QLocalServer m_server;
};

}  // namespace nivora::app
