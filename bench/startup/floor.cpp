// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up measurements: the least a Qt program with our main window's shape
// does before it shows: a main window with a tree view of the events file and three timers.
// Usage: zibfloor [events file]

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zib Floor"));
    auto* list = new QTreeView(&window);
    auto* model = new QStandardItemModel(0, 9, list);
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            while (!file.atEnd()) {
                const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('*'));
                QList<QStandardItem*> row;
                for (const QString& field : fields.mid(1, 9)) {
                    row.append(new QStandardItem(field));
                }
                model->appendRow(row);
            }
        }
    }
    list->setModel(model);
    window.setCentralWidget(list);

    int ticks = 0;
    for (int interval : {500, 400, 800}) {
        auto* timer = new QTimer(&window);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, &window, [&ticks] { ++ticks; });
        timer->start(interval);
    }
    window.resize(595, 459);
    window.show();
    return app.exec();
}
