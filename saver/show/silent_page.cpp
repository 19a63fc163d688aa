#include "saver/show/silent_page.h"

#include <QAuthenticator>
#include <QWebEngineClientCertificateSelection>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>

namespace pgw {

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme != QLatin1String("file") && scheme != QLatin1String("data") &&
      scheme != QLatin1String("qrc") && scheme != QLatin1String("about") &&
      scheme != QLatin1String("blob")) {
    info.block(true);
  }
}

SilentPage::SilentPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
  QWebEngineSettings* s = settings();
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
  s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
  s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
  s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  connect(this, &QWebEnginePage::featurePermissionRequested, this,
          [this](const QUrl& origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
          });
  connect(this, &QWebEnginePage::fullScreenRequested, this,
          [](QWebEngineFullScreenRequest request) { request.reject(); });
  connect(this, &QWebEnginePage::authenticationRequired, this,
          [](const QUrl&, QAuthenticator*) {});  // left unanswered, the request is cancelled
  connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
          [](const QUrl&, QAuthenticator*, const QString&) {});
  connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
          [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
  connect(this, &QWebEnginePage::selectClientCertificate, this,
          [](QWebEngineClientCertificateSelection) {});
}

QWebEngineProfile* MakeShowProfile(QObject* parent, bool offline) {
  auto* profile = new QWebEngineProfile(QStringLiteral("Pagewheel"), parent);
  profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                   [](QWebEngineDownloadRequest* download) { download->cancel(); });
  if (offline) profile->setUrlRequestInterceptor(new OfflineInterceptor(profile));
  return profile;
}

}  // namespace pgw
