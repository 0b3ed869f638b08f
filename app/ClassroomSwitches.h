#pragma once
// The two classroom switches as the program starts: reading aloud and the whole display.
// Both are off unless the configuration file turns them on; the keys switch them later.
struct ClassroomSwitches {
    bool readAloud = false;
    bool fullDisplay = false;
};

ClassroomSwitches classroomSwitches();
