// The colour picker: prints the colour under the cursor as "#RRGGBB" when the user confirms.
#include "picker/lifecycle.h"

int main() {
    return RunPicker();
}
