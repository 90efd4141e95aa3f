// Downloading the operator's published draw export: one request at a time, with a timeout,
// a bound on redirects and a check that the whole file arrived.
#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

namespace varion::ui {

class THuzasLetoltes final : public QObject {
    Q_OBJECT
public:
    explicit THuzasLetoltes(QObject* szulo = nullptr);

    void Start(const QUrl& cim, int idokorlatMs = 30000);
    void Megszakitas();
    bool Fut() const { return valasz_ != nullptr; }

signals:
    void Halad(qint64 megvan, qint64 osszes);
    void Kesz(const QByteArray& adat);
    // The reason, as the player reads it.
    void Hiba(const QString& szoveg);
    void Megszakitva();

private:
    void Vege();

    QNetworkAccessManager nam_;
    QPointer<QNetworkReply> valasz_;
    bool megszakitva_ = false;
};

} // namespace varion::ui
