// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <iostream>
#include <sstream>

namespace orvel::testing_support {

std::string CatalogueLine(const std::string& bank, const std::string& name,
                          std::initializer_list<int> positions) {
    std::string line = bank + "," + name;
    for (int p = 0; p < 12; ++p) {
        line += std::find(positions.begin(), positions.end(), p) != positions.end() ? ",TRUE"
                                                                                    : ",FALSE";
    }
    return line;
}

void MainWindowFixture::MakeWindow(const std::vector<std::string>& dataLines, bool open) {
    std::string text = "Test catalogue\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
    for (const std::string& line : dataLines) {
        text += line + "\n";
    }
    MakeWindowLoading([text] {
        std::istringstream stream(text);
        return ParseCatalogue(stream, "test catalogue", std::cerr);
    });
    if (open) {
        window->Open();
        QCoreApplication::processEvents();
    }
}

void MainWindowFixture::MakeWindowLoading(std::function<ScaleLoad()> load) {
    playback = std::make_unique<Playback>(players, nullptr, [this] { return now; });
    midi = std::make_unique<MidiKeyboard>(
        [this](MidiInput::Receiver receiver) {
            auto input = std::make_unique<FakeMidiInput>(std::move(receiver));
            midiInput = input.get();
            return input;
        },
        nullptr);
    const wdwMain::Services services{
        std::move(load),
        [this](QWidget* over, const QString& message, const QString& detail) {
            messagesOver.push_back(over);
            messages.push_back(message.toStdString());
            causes.push_back(detail.toStdString());
        },
        playback.get(), midi.get(), "test catalogue"};
    window = std::make_unique<wdwMain>(services);
    tools = new ToolWindows(*window, *playback, services.showMessage, midi.get());
}

void MainWindowFixture::Click(CheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
}

void MainWindowFixture::ClickRow(ListBox& list, int row) {
    list.scrollTo(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(row, 0)).center());
}

bool MainWindowFixture::DropOn(QWidget& target, const std::filesystem::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

void MainWindowFixture::ChooseRoot(int index) {
    // As from the keyboard: the popup steps one item per arrow key.
    PopupMenu& popup = *window->pmRoot();
    while (popup.ListIndex() < index) {
        QTest::keyClick(&popup, Qt::Key_Down);
    }
    while (popup.ListIndex() > index) {
        QTest::keyClick(&popup, Qt::Key_Up);
    }
}

std::vector<int> MainWindowFixture::Stars() const {
    std::vector<int> shown;
    for (int i = 0; i < 12; ++i) {
        if (window->lbStar(i)->Visible()) {
            shown.push_back(i);
        }
    }
    return shown;
}

std::vector<std::vector<QString>> MainWindowFixture::RowsOf(const ListBox& list) const {
    std::vector<std::vector<QString>> rows;
    for (std::size_t row = 0; row < list.RowCount(); ++row) {
        std::vector<QString> cells;
        for (int column = 0; column < list.ColumnCount(); ++column) {
            cells.push_back(list.Cell(row, column));
        }
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace orvel::testing_support
