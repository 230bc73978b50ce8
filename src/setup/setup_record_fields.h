// The edit fields of an inspector record and of a code-name record, in the
// order of their record fields.
#pragma once

namespace vortan {

inline constexpr const char* Inspector_Fields[] = {"Inspector_Surname_Edit",    "Inspector_Given_Name_Edit",
                                                   "Inspector_Employer_Edit",   "Inspector_Work_Phone_Edit",
                                                   "Inspector_Mobile_Edit",     "Inspector_Satelite_Phone_Edit",
                                                   "Inspector_Email_Edit"};
inline constexpr const char* Code_Name_Fields[] = {"Code_Name_Name_Edit", "Cable_Construction_Type_Edit",
                                                   "Cable_Stranding_Edit", "Cable_Mass_Edit", "Cable_Diameter_Edit"};

}  // namespace vortan
