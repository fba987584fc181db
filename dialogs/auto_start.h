// Starting the clock with the system: the "TicoraRun" value of the Run keys.
// The machine-wide key comes first; a user without the rights to write it
// gets the same value in the user's own Run key, so that a ticked box never
// stands for nothing stored.
#pragma once
#include <cstddef>

enum class RunHive { Machine, User };

// The Run values of the two hives; the program's registry and tests' fakes.
class RunValueStore {
 public:
  virtual ~RunValueStore() = default;
  // Sets "TicoraRun" to command; false when the key cannot be written.
  virtual bool Write(RunHive hive, const char* command) = 0;
  // Deletes "TicoraRun"; true when it is gone (or was never there).
  virtual bool Remove(RunHive hive) = 0;
  virtual bool Holds(RunHive hive) = 0;
};

// The value's command line: programPath in double quotes, so that a path with
// spaces cannot be read as a shorter program followed by arguments. False,
// leaving out empty, when it does not fit or the path is empty.
bool AutoStartCommand(const char* programPath, char* out, size_t outSize);

// Stores (on) or removes the value. On: in the machine's key, and then none is
// left in the user's; where the machine's key cannot be written, in the
// user's. Off: removed from both. Returns whether what is stored now matches on.
bool StoreAutoStart(RunValueStore& store, bool on, const char* command);

// The message after storing: wanted is what the box asked for, stored what
// AutoStartStored says now. "" when they agree. A machine-wide value that a
// user without the rights cannot remove is named as such.
const char* AutoStartFailureText(bool wanted, bool stored);

// Whether the clock starts with the system: a value in either hive.
bool AutoStartStored(RunValueStore& store);
