#pragma once
// The path box: a path the user cannot type in and a browse button. It takes
// the file selector's proposal when it starts; the host window reads
// RutaFichero when the user accepts.
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace quelvo {

// What the chosen file is for: read by an import, or written by a run.
enum class UsoFichero { Leer, Escribir };

class ctrSelFichero_794 : public QWidget {
    Q_OBJECT

public:
    explicit ctrSelFichero_794(QWidget* parent = nullptr, UsoFichero uso = UsoFichero::Escribir);

    // The path shown.
    QString RutaFichero() const;
    // Shows the file selector's proposal again, unless the user has chosen
    // a path with the browse button: the path follows a changed proposal
    // only until then.
    void SeguirPropuesta();

    QFrame* shpMarcoExplorador = nullptr;
    QLabel* lblRuta = nullptr;
    QPushButton* cmdExplorar = nullptr;

public slots:
    void cmdExplorar_Click();

private:
    void UserControl_Initialize();

    UsoFichero uso_;
    bool elegidaPorUsuario_ = false;
};

}  // namespace quelvo
