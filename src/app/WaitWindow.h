#pragma once
// "Moment bitte ..." while a run opens.
#include <QLabel>
#include <QPointer>
#include <memory>

#include "document/NivoraDoc.h"

namespace nivora::app {

class WaitWindow final : public IWaitWindow {
  public:
    explicit WaitWindow(QWidget* owner);
    ~WaitWindow() override;
    void Show(const std::string& text) override;
    void Close() override;

  private:
    QPointer<QWidget> m_owner;
    std::unique_ptr<QLabel> m_label;
};

}  // namespace nivora::app
