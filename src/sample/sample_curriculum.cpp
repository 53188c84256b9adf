#include "sample_curriculum.h"

namespace zs::sched::sample {

namespace {

constexpr LessonDef kLessons[] = {
    {"TÜRK DİLİ VE EDEBİYATI", "EDB", 5, {2, 2, 1, 0, 0}, kNoGroup, 1, kLiterature},
    {"MATEMATİK", "MAT", 6, {2, 2, 2, 0, 0}, kNoGroup, 1, kMaths},
    {"FİZİK", "FİZ", 2, {2, 0, 0, 0, 0}, kScience, 0, kPhysics},
    {"KİMYA", "KİM", 2, {2, 0, 0, 0, 0}, kScience, 0, kChemistry},
    {"BİYOLOJİ", "BİY", 2, {2, 0, 0, 0, 0}, kScience, 0, kBiology},
    {"TARİH", "TAR", 2, {2, 0, 0, 0, 0}, kSocial, 0, kHistory},
    {"COĞRAFYA", "COĞ", 2, {2, 0, 0, 0, 0}, kSocial, 0, kGeography},
    {"DİN KÜLTÜRÜ VE AHLAK BİLGİSİ", "DKAB", 2, {1, 1, 0, 0, 0}, kNoGroup, 0, kReligion},
    {"İNGİLİZCE", "İNG", 4, {2, 2, 0, 0, 0}, kNoGroup, 1, kEnglish},
    {"ALMANCA", "ALM", 2, {2, 0, 0, 0, 0}, kNoGroup, 0, kGerman},
    {"BEDEN EĞİTİMİ VE SPOR", "BED", 2, {2, 0, 0, 0, 0}, kNoGroup, 0, kSport},
    {"GÖRSEL SANATLAR", "GRS", 2, {2, 0, 0, 0, 0}, kArts, 0, kArt},
    {"MÜZİK", "MÜZ", 2, {2, 0, 0, 0, 0}, kArts, 0, kMusic},
    {"SAĞLIK BİLGİSİ", "SAĞ", 1, {1, 0, 0, 0, 0}, kNoGroup, 0, kSport},
    {"FELSEFE", "FEL", 2, {2, 0, 0, 0, 0}, kSocial, 0, kPhilosophy},
    {"REHBERLİK", "REH", 1, {1, 0, 0, 0, 0}, kNoGroup, 0, kLiterature},
    {"SEÇMELİ FİZİK", "SFİZ", 4, {2, 2, 0, 0, 0}, kScience, 1, kPhysics},
    {"SEÇMELİ KİMYA", "SKİM", 4, {2, 2, 0, 0, 0}, kScience, 1, kChemistry},
    {"SEÇMELİ BİYOLOJİ", "SBİY", 4, {2, 2, 0, 0, 0}, kScience, 1, kBiology},
    {"T.C. İNKILAP TARİHİ", "İNK", 2, {2, 0, 0, 0, 0}, kSocial, 0, kHistory},
    {"PSİKOLOJİ", "PSİ", 2, {1, 1, 0, 0, 0}, kSocial, 0, kPhilosophy},
    {"ATÖLYE", "ATL", 8, {4, 4, 0, 0, 0}, kNoGroup, 1, kElectrics},
    {"MESLEKİ GELİŞİM", "MSG", 2, {2, 0, 0, 0, 0}, kNoGroup, 0, kElectrics},
    {"TEKNİK RESİM", "TRS", 2, {2, 0, 0, 0, 0}, kNoGroup, 0, kElectrics},
};

// 35, 36, 38 and 38 weekly hours; the vocational class 38.
constexpr Id kGrade9[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16};
constexpr Id kGrade10[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 16};
constexpr Id kGrade11[] = {1, 2, 17, 18, 19, 6, 8, 9, 10, 11, 15, 16};
constexpr Id kGrade12[] = {1, 2, 17, 18, 19, 20, 8, 9, 11, 21, 13, 16};
constexpr Id kVocational[] = {1, 2, 3, 6, 8, 9, 11, 15, 22, 23, 24, 16};

constexpr Branch kArtsFamily[] = {kArt, kMusic, kSport};
constexpr Branch kSocialFamily[] = {kGeography, kPhilosophy, kHistory, kReligion};
constexpr Branch kLanguageFamily[] = {kGerman, kEnglish};
constexpr Branch kScienceFamily[] = {kElectrics, kBiology, kChemistry, kPhysics};
constexpr Branch kMainFamily[] = {kMaths, kLiterature};
constexpr std::span<const Branch> kFamilies[] = {kArtsFamily, kSocialFamily, kLanguageFamily,
                                                 kScienceFamily, kMainFamily};

} // namespace

std::span<const LessonDef> lessons() {
    return kLessons;
}

const char* groupName(Group g) {
    switch (g) {
    case kScience:
        return "FEN BİLİMLERİ";
    case kSocial:
        return "SOSYAL BİLİMLER";
    case kArts:
        return "SANAT";
    case kNoGroup:
        break;
    }
    return "";
}

const char* branchName(Branch b) {
    static constexpr const char* kNames[kBranchCount] = {
        "EDEBİYAT", "MATEMATİK",  "FİZİK",      "KİMYA",       "BİYOLOJİ",
        "TARİH",    "COĞRAFYA",   "FELSEFE",    "DİN KÜLTÜRÜ", "İNGİLİZCE",
        "ALMANCA",  "BEDEN EĞT.", "GÖRSEL SN.", "MÜZİK",       "ELEKTRİK"};
    return kNames[b];
}

std::span<const std::span<const Branch>> branchFamilies() {
    return kFamilies;
}

std::span<const Id> curriculum(int grade, bool vocational) {
    if (vocational) return kVocational;
    switch (grade) {
    case 9:
        return kGrade9;
    case 10:
        return kGrade10;
    case 11:
        return kGrade11;
    default:
        return kGrade12;
    }
}

} // namespace zs::sched::sample
