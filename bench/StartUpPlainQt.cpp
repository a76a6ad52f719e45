// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a window built directly with Qt classes, holding
// the same kinds of widgets at the same places as the main window (a menu bar
// with File and Edit, 14 check boxes, 18 labels with the 12 green stars
// hidden, a combo box with the 12 note names, two table views with empty
// models), started,
// shown and painted once. Timed as a process by bench/startup.sh.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>

#include "FirstPaintQuit.h"

namespace {

template <typename Widget>
Widget* Place(QWidget* content, int left, int top, int width, int height) {
    auto* widget = new Widget(content);
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* Caption(QWidget* content, const char* text, int left, int top, int width) {
    auto* label = Place<QLabel>(content, left, top, width, 20);
    label->setText(text);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Orvel Modalune");

    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("E&xit");
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    for (const char* entry :
         {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}) {
        if (QString(entry) == "-") {
            edit->addSeparator();
        } else {
            edit->addAction(entry);
        }
    }
    window.menuBar()->addMenu("&Tools")->addAction("Scales for &Chords\u2026",
                                                   QKeySequence("Ctrl+K"));
    window.menuBar()->addMenu("&Help")->addAction("&About Orvel Modalune");

    auto* content = new QWidget(&window);
    window.setCentralWidget(content);
    const char* const names[] = {"A",       "A# / Bb", "B", "C",       "C# / Db", "D",
                                 "D# / Eb", "E",       "F", "F# / Gb", "G",       "G# / Ab"};
    for (int i = 0; i < 12; ++i) {
        const int top = 188 + 30 * i;
        Place<QCheckBox>(content, 30, top, 100, 25)->setText(names[(3 + i) % 12]);
        QLabel* star = Caption(content, "*", 15, top, 15);
        QFont font = star->font();
        font.setPixelSize(30);
        star->setFont(font);
        QPalette colours = star->palette();
        colours.setColor(QPalette::WindowText, QColor(0, 129, 0));
        star->setPalette(colours);
        star->hide();
    }
    Place<QCheckBox>(content, 30, 82, 158, 20)->setText("Include Other Roots");
    Place<QCheckBox>(content, 30, 114, 100, 20)->setText("Roots in List Only");
    Caption(content, "Notes in Scale", 30, 158, 100);
    Caption(content, "Exact Match", 215, 20, 100);
    Caption(content, "Containing All Notes", 215, 178, 141);
    Caption(content, "Root Note", 30, 20, 100);
    Caption(content, " ", 30, 563, 121)->hide();
    Caption(content, " ", 208, 563, 100)->hide();
    auto* root = Place<QComboBox>(content, 30, 50, 80, 20);
    for (const char* name : names) {
        root->addItem(name);
    }
    root->setCurrentIndex(3);
    // A list shows its rows through a model: each view gets an empty one.
    Place<QTableView>(content, 208, 52, 387, 95)->setModel(new QStandardItemModel(0, 3, &window));
    Place<QTableView>(content, 208, 210, 387, 249)->setModel(new QStandardItemModel(0, 4, &window));

    window.resize(615, 605 + window.menuBar()->sizeHint().height());
    new orvel::bench::FirstPaintQuit(&window);
    window.show();
    return QApplication::exec();
}
