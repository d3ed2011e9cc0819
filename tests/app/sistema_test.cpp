// The operating-system stand-ins: opening documents and the pointer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "platform/sistema.h"

using namespace quelvo::plataforma;

namespace {

// Catches what the desktop would be asked to open.
class Receptor : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void abrir(const QUrl& url) { urls << url; }
};

TEST(Abrir, FilesByFullPathPagesByAddressAndWhyOneWasNotOpened) {
    QTemporaryDir carpeta;
    ASSERT_TRUE(QFile(carpeta.path() + "/log 1.txt").open(QIODevice::WriteOnly));
    Receptor receptor;
    for (const char* esquema : {"file", "https"})
        QDesktopServices::setUrlHandler(esquema, &receptor, "abrir");
    const QString antes = QDir::currentPath();
    QDir::setCurrent(carpeta.path());
    const Apertura relativo = AbrirDocumento("log 1.txt");
    const Apertura falta = AbrirDocumento("falta.htm");
    QDir::setCurrent(antes);
    EXPECT_EQ(relativo, Apertura::Abierta);
    EXPECT_EQ(falta, Apertura::NoExiste);
    EXPECT_EQ(AbrirDocumento("file://" + carpeta.path() + "/otra.htm"), Apertura::NoExiste);
    EXPECT_EQ(AbrirDocumento("https://arbeko.example/a?b=1"), Apertura::Abierta);
    ASSERT_EQ(receptor.urls.size(), 2);
    EXPECT_EQ(receptor.urls[0].toLocalFile(), carpeta.path() + "/log 1.txt");
    EXPECT_EQ(receptor.urls[1].toString(), "https://arbeko.example/a?b=1");
    // A file that is there with no program to show it.
    QObject sinPrograma;
    QDesktopServices::setUrlHandler("file", &sinPrograma, "metodoQueNoExiste");
    EXPECT_EQ(AbrirDocumento(carpeta.path() + "/log 1.txt"), Apertura::SinPrograma);
    for (const char* esquema : {"file", "https"}) QDesktopServices::unsetUrlHandler(esquema);
}

TEST(Cursores, NestAndGiveThePointerBack) {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CursorEspera espera;
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            CursorNormal flecha;
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        }
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

#include "sistema_test.moc"
