#include "draws/UHuzasLetoltes.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "draws/HuzasLetoltesHiba.h"

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
    const std::string cim = r->request().url().toString().toStdString();
    const auto hiba = [&](LetoltesHiba h) {
        emit Hiba(QString::fromStdString(LetoltesHibaSzoveg(h, http, cim)));
    };
    switch (r->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        hiba(LetoltesHiba::Idotullepes);
        return;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        hiba(LetoltesHiba::Korbeiranyitas);
        return;
    case QNetworkReply::RemoteHostClosedError:
        // Closed after the answer began: part of the file came.
        hiba(http > 0 ? LetoltesHiba::Hianyos : LetoltesHiba::Kapcsolat);
        return;
    default:
        hiba(http >= 400 ? LetoltesHiba::HttpHiba : LetoltesHiba::Kapcsolat);
        return;
    }
    const QByteArray adat = r->readAll();
    const QVariant hossz = r->header(QNetworkRequest::ContentLengthHeader);
    if (hossz.isValid() && hossz.toLongLong() != adat.size()) {
        hiba(LetoltesHiba::Hianyos);
        return;
    }
    emit Kesz(adat);
}

} // namespace varion::ui
