// The Stringing Charts window over the open project: the tension sections and
// their strain structures, a conductor's mechanics, the design condition of
// the section for that conductor, and the chart that follows from them as a
// table and a plot, to print or export. Every edit is stored with the project
// at once; the window follows the project's lists as they change.
#pragma once

#include "gui/stringing_printout.h"
#include "stringing/line_schedule.h"
#include "stringing/stringing_edit.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class QTableWidget;

namespace vortan {
class MainWindow;
}

namespace vortan::gui {

class StringingChartPlot;

class StringingWindow final : public QWidget {
    Q_OBJECT
public:
    explicit StringingWindow(MainWindow& model, QWidget* parent = nullptr);

    // Rereads the project now (changes are otherwise taken at the next turn of the event loop).
    void refresh();
    // Each returns an empty text on success, otherwise what went wrong.
    QString export_csv(const QString& path) const;
    QString export_pdf(const QString& path) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct NumberField {
        stringing::Field field;
        QLineEdit* edit;
        QLabel* unit;
        QString shown;  // the text last shown: leaving it unchanged stores nothing
    };

    // stringing_window.cpp: the layout and what it shows.
    QWidget* build_choices();
    QWidget* build_strain_box();
    QWidget* build_conductor_box();
    QWidget* build_design_box();
    QWidget* build_range_box();
    QWidget* build_chart_box();
    QWidget* build_buttons();
    void add_number_row(QFormLayout* form, const QString& label, stringing::Field field, const char* name);
    void follow_model();
    void refresh_soon();
    void show_sections();
    void show_strain_structures();
    void show_code_names();
    void show_conductor();
    void show_numbers();
    void show_chart();
    void show_table(const stringing::ChartTable& table);
    stringing::EditTarget target() const;
    const stringing::SectionChart* current_chart() const;
    bool imperial() const;

    // stringing_window_edits.cpp: edits, printing and export.
    void number_edited(size_t index);
    void strain_toggled(QListWidgetItem* item);
    void fill_from_catalogue();
    void tension_kind_chosen(int index);
    void design_age_chosen(int index);
    void store(const stringing::StringingData& data);
    void complain(const std::string& text);
    StringingPrintout printout() const;
    void print();
    void choose_pdf();
    void choose_csv();

    MainWindow& model_;
    stringing::LineSchedule schedule_;
    stringing::StringingData data_;
    std::vector<std::string> code_name_list_;
    std::string first_structure_, code_name_;  // the section and conductor chosen
    bool refresh_pending_ = false;

    QComboBox* sections_;
    QListWidget* strains_;
    QComboBox* code_names_;
    QComboBox* catalogue_;
    QLabel* mass_;
    QLabel* diameter_;
    QComboBox* tension_kind_;
    QComboBox* design_age_;
    QComboBox* table_age_;
    std::vector<NumberField> numbers_;
    QWidget* conductor_box_;
    QWidget* design_box_;
    QLabel* heading_;
    QStackedWidget* chart_pages_;
    QLabel* problem_;
    QTableWidget* table_;
    StringingChartPlot* plot_;
};

}  // namespace vortan::gui
