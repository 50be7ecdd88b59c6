#ifndef MODIFYPAGE_H
#define MODIFYPAGE_H

// The kind of the current selection of devices; it tells the configuration
// panel which of its pages to show.
enum ModifyPage {
    SingleActivated = 0,  // one activated device, or nothing checked
    BatchActivated = 1,
    SingleInactive = 2,
    BatchInactive = 3,
    BatchMixed = 4        // activated and inactive devices together
};

#endif // MODIFYPAGE_H
