#pragma once
// The description of the online assistance service, a small modal window.
#include <QDialog>
#include <cstdint>

namespace zentalib {

class frmOnlineInfo : public QDialog {
    Q_OBJECT

public:
    frmOnlineInfo(int32_t idioma, QWidget* parent = nullptr);
};

}  // namespace zentalib
