#include "securityquestiontexts.h"

namespace TarnTool {

namespace {

// Index = ID - 1.
const char *const QuestionTexts[] = {
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "You father's name."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "You mother's name."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your senior class teacher's name."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "You junior class teacher's name."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "The name of the roommate you most familiar with."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Who influences your most."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite celebrity."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite automobile brand."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite game."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite book."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite color."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite movie."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "Your favorite flower."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "The brand of your first mobile phone."),
    QT_TRANSLATE_NOOP("TarnTool::SecurityQuestionTexts", "The destination of your first flight."),
};
static_assert(sizeof(QuestionTexts) / sizeof(QuestionTexts[0])
                  == SecurityQuestionTexts::LastId - SecurityQuestionTexts::FirstId + 1,
              "one text per question ID");

} // namespace

QString SecurityQuestionTexts::text(int id)
{
    if (!isValidId(id))
        return QString();
    return tr(QuestionTexts[id - FirstId]);
}

QMap<int, QString> SecurityQuestionTexts::textMap()
{
    QMap<int, QString> map;
    for (int id = FirstId; id <= LastId; ++id)
        map.insert(id, text(id));
    return map;
}

} // namespace TarnTool
