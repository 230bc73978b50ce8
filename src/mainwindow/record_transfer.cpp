#include "mainwindow/record_transfer.h"

#include "calc/method_table.h"
#include "mainwindow/choice_fills.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"

namespace vortan {

namespace {

constexpr const char* Sag_Spans = "Pole_Data_Listbox";
constexpr const char* Cable_Sags = "Cable_Bundle_Record_Listbox";

int integer_of(const Form& form, const std::string& name) {
    const Control& c = form.control(name);
    switch (c.kind) {
    case ControlKind::SpinEdit: return c.value;
    case ControlKind::PageControl: return c.active_page;
    default: return c.item_index;
    }
}

// The last line of a setup list equal to the chosen name, 0 when none is.
int list_index(const CalcContext& context, const std::string& list) {
    std::string chosen;
    if (list == setup_list::Structure_Types) chosen = context.form.text("Cable_Type_ComboBox");
    if (list == setup_list::Cable_Positions) chosen = context.form.text("Cable_Position_ComboBox");
    if (list == setup_list::Code_Names) chosen = context.form.text("Cable_Code_Name_ComboBox");
    const std::vector<std::string>& lines = context.setup.items(list);
    int found = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string name = list == setup_list::Code_Names ? record_field(lines[i], 1) : lines[i];
        if (name == chosen) found = static_cast<int>(i);
    }
    return found;
}

std::string field_text(const CalcContext& context, const RecordField& field) {
    switch (field.kind) {
    case FieldKind::Integer: return std::to_string(integer_of(context.form, field.name));
    case FieldKind::ListIndex: return std::to_string(list_index(context, field.name));
    case FieldKind::Measure: {
        // A measure shown unedited is stored back exactly as it was stored.
        const std::string& source = context.form.source(field.name);
        if (!source.empty()) return source;
        return metric_storage_text(context.form.text(field.name), field.quantity, context.imperial(), context.numbers);
    }
    case FieldKind::TypedNumber:
        return rewritten_number(context.form.text(field.name), context.numbers, NumberFormat{})
            .value_or(context.form.text(field.name));
    case FieldKind::TypedText: break;
    }
    return context.form.text(field.name);
}

std::string build_record(const CalcContext& context, const std::vector<RecordField>& layout) {
    std::vector<std::string> fields;
    for (const RecordField& field : layout) fields.push_back(field_text(context, field));
    return join_record(fields);
}

bool same_key(const std::string& a, const std::string& b) {
    for (int n = 1; n <= 4; ++n) {
        auto x = record_integer(a, n), y = record_integer(b, n);
        if (!x || !y || *x != *y) return false;
    }
    return true;
}

}  // namespace

std::string build_sag_span_record(const CalcContext& context) { return build_record(context, sag_span_layout()); }

void store_sag_span_record(Form& form, int n, const std::string& record) {
    const size_t count = form.items(Sag_Spans).size();
    form.set_item(Sag_Spans, n >= 1 && n <= static_cast<int>(count) ? static_cast<size_t>(n - 1) : count, record);
}

void load_sag_span_record(CalcContext& context, const std::string& record) {
    const std::vector<RecordField>& layout = sag_span_layout();
    for (int n = 2; n <= 4; ++n) load_record_text(context, layout[static_cast<size_t>(n - 1)], record_field(record, n));
    context.form.set_item_index("Inspector_Surname_ComboBox", record_integer(record, 5).value_or(-1));
}

std::string build_cable_sag_record(const CalcContext& context) { return build_record(context, cable_sag_layout()); }

void store_cable_sag_record(Form& form, const std::string& record) {
    const std::vector<std::string>& records = form.items(Cable_Sags);
    size_t at = records.size();
    for (size_t i = records.size(); i-- > 0;)
        if (same_key(records[i], record)) {
            at = i;
            break;
        }
    form.set_item(Cable_Sags, at, record);
}

int find_cable_sag_record(const Form& form) {
    const int key[] = {form.value("Pole_Number_SpinEdit"), form.item_index("Cable_Type_ComboBox"),
                       form.item_index("Cable_Position_ComboBox"), form.item_index("Cable_Code_Name_ComboBox")};
    const std::vector<std::string>& records = form.items(Cable_Sags);
    for (size_t i = records.size(); i-- > 0;) {
        bool matches = true;
        for (int n = 1; n <= 4; ++n) matches = matches && record_integer(records[i], n) == key[n - 1];
        if (matches) return static_cast<int>(i);
    }
    return -1;
}

void load_cable_sag_record(CalcContext& context, const std::string& record) {
    Form& form = context.form;
    auto index = [&record](int n) { return record_integer(record, n).value_or(-1); };
    // The choice lists first, each filled for the one before it.
    form.set_item_index("Cable_Type_ComboBox", index(2));
    fill_cable_positions(form, context.setup);
    form.set_item_index("Cable_Position_ComboBox", index(3));
    fill_code_names(form, context.setup);
    form.set_item_index("Cable_Code_Name_ComboBox", index(4));
    form.set_value("Cable_Type_ComboBox_Index_SpinEdit", form.item_index("Cable_Type_ComboBox"));
    form.set_value("Cable_Position_ComboBox_Index_SpinEdit", form.item_index("Cable_Position_ComboBox"));
    form.set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", form.item_index("Cable_Code_Name_ComboBox"));
    // The sag mode before the method fields, so the right columns show; any
    // mode but "Check Cable Sag" is sagging.
    form.set_item_index("Sag_New_or_Existing_RadioGroup", index(8) == 1 ? 1 : 0);
    load_cable_sag_texts(context, record, 9, 18);
    int page = index(19);
    if (page >= 0 && page < Method_Page_Count) form.set_active_page("Calc_Method_PageControl", page);
    load_cable_sag_texts(context, record, 20, Cable_Sag_Field_Count);
}

}  // namespace vortan
