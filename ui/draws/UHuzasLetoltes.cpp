#include "draws/UHuzasLetoltes.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace varion::ui {

THuzasLetoltes::THuzasLetoltes(QObject* szulo) : QObject(szulo) {}

void THuzasLetoltes::Start(const QUrl& cim, int idokorlatMs) {
    if (valasz_) return;
    megszakitva_ = false;
    QNetworkRequest k(cim);
    k.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                   QNetworkRequest::NoLessSafeRedirectPolicy);
    k.setMaximumRedirectsAllowed(5);
    k.setTransferTimeout(idokorlatMs);
    valasz_ = nam_.get(k);
    connect(valasz_, &QNetworkReply::downloadProgress, this, &THuzasLetoltes::Halad);
    connect(valasz_, &QNetworkReply::finished, this, &THuzasLetoltes::Vege);
}

void THuzasLetoltes::Megszakitas() {
    if (!valasz_) return;
    megszakitva_ = true;
    valasz_->abort();
}

void THuzasLetoltes::Vege() {
    QNetworkReply* r = valasz_;
    valasz_ = nullptr;
    if (!r) return;
    r->deleteLater();
    if (megszakitva_) {
        emit Megszakitva();
        return;
    }
    const int http = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (r->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        emit Hiba(QStringLiteral("A letöltés túllépte az időkorlátot."));
        return;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        emit Hiba(
            QStringLiteral("A kiszolgáló körbe irányítja a kérést, a letöltés nem sikerült."));
        return;
    default:
        if (http >= 400)
            emit Hiba(QStringLiteral("A kiszolgáló hibát jelzett (HTTP %1).").arg(http));
        else
            emit Hiba(QStringLiteral("Nem sikerült kapcsolódni a kiszolgálóhoz:\n%1")
                          .arg(r->errorString()));
        return;
    }
    const QByteArray adat = r->readAll();
    const QVariant hossz = r->header(QNetworkRequest::ContentLengthHeader);
    if (hossz.isValid() && hossz.toLongLong() != adat.size()) {
        emit Hiba(QStringLiteral("A letöltött állomány hiányos."));
        return;
    }
    emit Kesz(adat);
}

} // namespace varion::ui
