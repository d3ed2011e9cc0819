// The operating-system stand-ins: temporary folder, opening documents, pointer.
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

class Abrir : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* esquema : {"file", "https"})
            QDesktopServices::setUrlHandler(esquema, &receptor_, "abrir");
    }
    void TearDown() override {
        for (const char* esquema : {"file", "https"}) QDesktopServices::unsetUrlHandler(esquema);
    }
    Receptor receptor_;
    QTemporaryDir carpeta_;
};

TEST_F(Abrir, FilesByFullPathAndPagesByAddress) {
    QFile f(carpeta_.path() + "/log 1.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QString antes = QDir::currentPath();
    QDir::setCurrent(carpeta_.path());
    QString error;
    bool relativo = AbrirDocumento("log 1.txt", &error);
    QDir::setCurrent(antes);
    EXPECT_TRUE(relativo);
    EXPECT_TRUE(AbrirDocumento("https://arbeko.example/a?b=1", &error));
    ASSERT_EQ(receptor_.urls.size(), 2);
    EXPECT_EQ(receptor_.urls[0].toLocalFile(), carpeta_.path() + "/log 1.txt");
    EXPECT_EQ(receptor_.urls[1].toString(), "https://arbeko.example/a?b=1");
}

TEST_F(Abrir, MissingFileFailsNamingItsFullPath) {
    QString antes = QDir::currentPath();
    QDir::setCurrent(carpeta_.path());
    QString error;
    bool abierto = AbrirDocumento("falta.htm", &error);
    QDir::setCurrent(antes);
    EXPECT_FALSE(abierto);
    EXPECT_TRUE(error.contains(carpeta_.path() + "/falta.htm")) << error.toStdString();
    EXPECT_TRUE(receptor_.urls.isEmpty());
    EXPECT_FALSE(AbrirDocumento("file://" + carpeta_.path() + "/otra.htm", nullptr));
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
