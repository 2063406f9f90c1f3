// The project record as its editors show it.
#include "app/projectdata/ProjectFields.h"

#include "common/Format.h"
#include "common/StringUtils.h"

#include <charconv>
#include <optional>
#include <tuple>

namespace quadrilo::app {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A whole number as the edits of counts take it: digits with an optional sign.
std::optional<long long> parseInteger(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Collects the problems of one conversion pass.
class FieldReader {
public:
    explicit FieldReader(std::vector<FieldProblem>& problems) : m_problems(problems) {}

    void real(const std::string& text, const char* editor, const char* label, double& field) {
        if (text == FloatToStr(field))
            return; // as loaded: keep every bit
        if (const auto v = ParseNumber(text))
            field = *v;
        else
            notANumber(text, editor, label, "um número válido");
    }

    std::optional<long long> integer(const std::string& text, const char* editor,
                                     const char* label) {
        const auto v = parseInteger(text);
        if (!v)
            notANumber(text, editor, label, "um número inteiro válido");
        return v;
    }

    void refuse(const char* editor, std::string message) {
        m_problems.push_back({editor, std::move(message), true});
    }

private:
    void notANumber(const std::string& text, const char* editor, const char* label,
                    const char* expected) {
        m_problems.push_back(
            {editor, Format("\"%s\" não é %s em %s.", text, expected, label), false});
    }

    std::vector<FieldProblem>& m_problems;
};

void readFck(FieldReader& in, const ProjectFieldTexts& texts, TProjectData& record) {
    const auto fck = in.integer(texts.fck, "edtfck", "fck");
    if (!fck)
        return;
    if (*fck < 0 || *fck > 255)
        in.refuse("edtfck",
                  Format("Erro: fck de %d MPa recusado: o valor deve ficar entre 0 e 255; "
                         "mantido %d.",
                         *fck, int(record.fck)));
    else
        record.fck = static_cast<std::uint8_t>(*fck);
}

void readGrid(FieldReader& in, const ProjectFieldTexts& texts, TProjectData& record) {
    const auto nDX = in.integer(texts.nDX, "edtdX", "n dX");
    const auto nDY = in.integer(texts.nDY, "edtdY", "n dY");
    if (!nDX || !nDY)
        return;
    bool counts = true;
    for (const auto& [value, editor, label, kept] :
         {std::tuple{*nDX, "edtdX", "n dX", int(record.nDX)},
          std::tuple{*nDY, "edtdY", "n dY", int(record.nDY)}})
        if (value < 1 || value > MaxMeshCount) {
            counts = false;
            in.refuse(editor, Format("Erro: %s = %d recusado: a malha precisa de 1 a 65535 "
                                     "divisões; mantido %d.",
                                     label, value, kept));
        }
    if (!counts)
        return;
    const long long nodes = (*nDX + 1) * (*nDY + 1);
    const long long bars = (*nDY + 1) * *nDX + *nDY * (*nDX + 1);
    if (nodes > MaxMeshCount || bars > MaxMeshCount) {
        for (const char* editor : {"edtdX", "edtdY"})
            in.refuse(editor,
                      Format("Erro: n dX = %d e n dY = %d recusados: a malha teria %d nós e %d "
                             "barras, acima de 65535; mantidos %d e %d.",
                             *nDX, *nDY, nodes, bars, int(record.nDX), int(record.nDY)));
        return;
    }
    record.nDX = static_cast<std::uint16_t>(*nDX);
    record.nDY = static_cast<std::uint16_t>(*nDY);
}

// The edits of real numbers and the record's fields they fill.
struct RealField {
    std::string ProjectFieldTexts::*text;
    double TProjectData::*value;
    const char* editor;
    const char* label;
};
constexpr RealField RealFields[] = {
    {&ProjectFieldTexts::PEConcreto, &TProjectData::PEConcreto, "edtPEConcreto", "PE Concreto"},
    {&ProjectFieldTexts::PELaje, &TProjectData::PELaje, "edtPELaje", "PE Laje"},
    {&ProjectFieldTexts::PEParede, &TProjectData::PEParede, "edtPEParede", "PE Parede"},
    {&ProjectFieldTexts::Ec, &TProjectData::Ec, "edtEc", "Ec"},
    {&ProjectFieldTexts::Gc, &TProjectData::Gc, "edtGc", "Gc"},
};

// The four formulas, kept as typed.
constexpr std::pair<std::string ProjectFieldTexts::*, std::string TProjectData::*> Formulas[] = {
    {&ProjectFieldTexts::LoadFact, &TProjectData::LoadFact},
    {&ProjectFieldTexts::GcFactor, &TProjectData::GcFactor},
    {&ProjectFieldTexts::VigaIt, &TProjectData::VigaIt},
    {&ProjectFieldTexts::SlabIt, &TProjectData::SlabIt},
};

} // namespace

std::string CutCharacters(std::string_view utf8, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t n = 0; at < utf8.size() && n < count; ++n) {
        ++at;
        while (at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80)
            ++at; // continuation bytes of the same character
    }
    return std::string(utf8.substr(0, at));
}

std::string MemoToRecord(std::string_view editorText) {
    std::string text;
    while (!editorText.empty()) {
        const auto end = editorText.find('\n');
        text += editorText.substr(0, end);
        text += "\r\n";
        editorText.remove_prefix(end == std::string_view::npos ? editorText.size() : end + 1);
    }
    return CutCharacters(text, TProjectData::TextCapacity);
}

std::string MemoFromRecord(std::string_view recordText) {
    std::string text;
    for (std::size_t i = 0; i < recordText.size(); ++i) {
        const char c = recordText[i];
        if (c == '\r' && i + 1 < recordText.size() && recordText[i + 1] == '\n')
            continue; // CR LF is one line break
        text += c == '\r' ? '\n' : c;
    }
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

ProjectFieldsResult ReadProjectFields(const ProjectFieldTexts& texts, const TProjectData& current) {
    ProjectFieldsResult result{current, {}};
    TProjectData& record = result.record;
    FieldReader in(result.problems);
    readFck(in, texts, record);
    readGrid(in, texts, record);
    for (const RealField& f : RealFields)
        in.real(texts.*f.text, f.editor, f.label, record.*f.value);
    for (const auto& [text, value] : Formulas)
        record.*value = CutCharacters(texts.*text, TProjectData::TextCapacity);
    record.Memo = MemoToRecord(texts.Memo);
    record.DefFact = texts.DefFact;
    record.DiagDef = texts.DiagDef;
    if (!result.ok())
        result.record = current;
    return result;
}

ProjectFieldTexts ShowProjectFields(const TProjectData& r) {
    ProjectFieldTexts t;
    t.fck = std::to_string(r.fck);
    t.nDX = std::to_string(r.nDX);
    t.nDY = std::to_string(r.nDY);
    for (const RealField& f : RealFields)
        t.*f.text = FloatToStr(r.*f.value);
    for (const auto& [text, value] : Formulas)
        t.*text = r.*value;
    t.Memo = MemoFromRecord(r.Memo);
    t.DefFact = r.DefFact;
    t.DiagDef = r.DiagDef;
    return t;
}

} // namespace quadrilo::app
