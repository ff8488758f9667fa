#pragma once
// Documents for the dialog tests, opened from bytes: a four-field list with
// stations 0 to 100 m every 10 m and, when given, a state file beside it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/NivoraDoc.h"
#include "platform/MessageSink.h"

namespace nivora::app::test {

// Fails the test on any message: none of these documents should show one.
class FailingMessageSink final : public IMessageSink {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon, MessageButtons) override {
        ADD_FAILURE() << "unexpected message: " << text;
        return MessageAnswer::Ok;
    }
};

inline std::string RunBytes() {
    std::string s = "14.03.2026 09:30:15 Messung\r\nB 14\r\n";
    for (int i = 0; i <= 10; ++i) s += std::to_string(i * 10) + ";1,0;0;\r\n";
    return s;
}

// Opens the run; `state` is the content of its state file (none when empty).
inline void LoadDocument(CNivoraDoc& doc, const std::string& state,
                         IFirstLoadDialog* firstLoad = nullptr) {
    static FailingMessageSink messages;
    const std::string path = "/nivora-test/lauf.csv";
    DocumentServices services;
    services.messages = &messages;
    services.firstLoad = firstLoad;
    services.readFile = [&](const std::string& p) -> std::optional<std::string> {
        if (!state.empty() && p == CNivoraDoc::StatePathFor(path)) return state;
        return std::nullopt;
    };
    ASSERT_TRUE(doc.LoadFromFile(RunBytes(), path, services));
}

// Runs `act` on the modal dialog that the next call opens, then closes it.
inline void OnNextModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
        if (modal->isVisible()) modal->close();
    });
}

}  // namespace nivora::app::test
