// The show's web page: silent. Pages open no dialogs, pop-ups or new windows, start no
// downloads, get no permissions, pointer lock or full screen, and ask nothing of the
// user; with "work offline" no request leaves the machine.
#pragma once

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace pgw {

// Refuses every request that would go over the network.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

class SilentPage : public QWebEnginePage {
 public:
  SilentPage(QWebEngineProfile* profile, QObject* parent);

 protected:
  void javaScriptAlert(const QUrl&, const QString&) override {}
  bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
    return false;
  }
  QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
  QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override {
    return {};
  }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}
};

// The show's profile: its own persistent cache and storage, downloads refused, and with
// `offline` every network request refused.
QWebEngineProfile* MakeShowProfile(QObject* parent, bool offline);

}  // namespace pgw
