#pragma once
// Hands the program's dialogs to the main frame.
namespace nivora::app {

class CMainFrame;
struct AppContext;

void InstallDialogs(CMainFrame& frame, AppContext& context);

}  // namespace nivora::app
