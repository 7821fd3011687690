// TRANSITION ONLY: the dialogs' old constructors, which the program still
// calls, fill in the dependencies the dialogs now take.

#include "app/dialogs_transition.h"

#include "app/tprog.h"
#include "dialogs/tbugreport.h"
#include "dialogs/tende.h"
#include "app/tstart.h"
#include "widgets/error_box_transition.h"

namespace lernwerk {

InterfaceLanguage& transitionalLanguage()
{
    static InterfaceLanguage language;
    return language;
}

Tende::Tende(Tstart& start, Tprog& prog)
    : Tende(
          transitionalLanguage(), transitionalReporter(), [&prog] { return prog.programFolder(); },
          [&prog] { return prog.questionListText(); })
{
    connect(this, &Tende::confirmed, &start, &Tstart::close);
}

Tbugreport_de::Tbugreport_de() : Tbugreport_de(transitionalReporter()) {}

Tbugreport_en::Tbugreport_en() : Tbugreport_en(transitionalReporter()) {}

}  // namespace lernwerk
