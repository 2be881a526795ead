#include "app/TInfoBox.h"

#include "common/DialogSeam.h"

#include <QApplication>
#include <QEvent>
#include <QUrl>
#include <QUrlQuery>

namespace velmora {

TInfoBox::TInfoBox(QWidget* parent) : QDialog(parent) {
    m_ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(499, 292);
    m_ui.logo->setPixmap(QApplication::windowIcon().pixmap(128, 128));
    for (QLabel* link : {m_ui.webseite, m_ui.mail}) {
        setLinkColour(link, "blue");
        link->installEventFilter(this);
    }
    installEventFilter(this);
    connect(m_ui.knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void TInfoBox::setLinkColour(QLabel* link, const char* colour) {
    link->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;").arg(QLatin1StringView(colour)));
}

bool TInfoBox::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    const bool isLink = link == m_ui.webseite || link == m_ui.mail;
    if (isLink && event->type() == QEvent::Enter)
        setLinkColour(link, "red");
    else if ((isLink && event->type() == QEvent::Leave) ||
             (watched == this && event->type() == QEvent::Enter)) {
        setLinkColour(m_ui.webseite, "blue");
        setLinkColour(m_ui.mail, "blue");
    } else if (isLink && event->type() == QEvent::MouseButtonRelease) {
        if (link == m_ui.webseite) {
            dialogs().openUrl(QUrl(m_ui.webseite->text()));
        } else {
            QUrl mail(QStringLiteral("mailto:") + m_ui.mail->text());
            QUrlQuery query;
            query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Velmora"));
            query.addQueryItem(QStringLiteral("body"), QStringLiteral("Version: ") + m_ui.version->text());
            mail.setQuery(query);
            dialogs().openUrl(mail);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmora
