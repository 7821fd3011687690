#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A card template of an Anki note type, read once: what the card's front
// shows, and what its back adds to it. Anki's template language: "{{Field}}",
// filters before the name ("{{type:Back}}", "{{cloze:Text}}"), sections shown
// when a field holds something ("{{#Field}}...{{/Field}}") or when it does not
// ("{{^Field}}...{{/Field}}"), and "{{FrontSide}}" on the back.
namespace listimport {

class CardTemplate {
public:
    CardTemplate(std::u16string_view front, std::u16string_view back, const std::vector<std::u16string>& fieldNames);

    // The front as Anki shows it, markup and all; a field typed in on the
    // front ("{{type:Back}}") shows nothing there.
    std::u16string front(const std::vector<std::u16string>& fields) const;
    // The fields the back shows that the front does not, in their order, with
    // "; " between them.
    std::u16string backAdds(const std::vector<std::u16string>& fields) const;
    // The field the front shows as a cloze ("{{cloze:Text}}").
    std::optional<std::size_t> clozeField() const { return clozeField_; }

    enum class Kind { Text, Field, TypedField, Open, OpenIfEmpty, Close };
    struct Part {
        Kind kind = Kind::Text;
        std::u16string text;
        // Field, TypedField, Open, OpenIfEmpty: the field's index; none for
        // a name the note type does not have.
        std::optional<std::size_t> field;
    };

private:
    std::vector<Part> front_;
    std::vector<Part> back_;
    std::optional<std::size_t> clozeField_;
};

}  // namespace listimport
