#include <QApplication>

#include "program/arranque.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return quelvo::Main(app);
}
