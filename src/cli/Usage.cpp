#include "cli/Usage.h"

namespace cfg::cli {

std::string_view usage_text() {
    return R"(Usage: configurator-cli [--home DIR] COMMAND [ARGS]
       configurator-cli --version | --help

  --home DIR   the program folder whose PROJECTS, MASTER and LANGUAGE subfolders and Morvel.xml are
               used, and where update looks for Ethernet_Update (default: the folder of
               configurator-cli when it can be written, else $XDG_DATA_HOME/configurator, by default
               ~/.local/share/configurator, or %APPDATA%\configurator on Windows)
  --version    the version, as the desktop program gives it
  CONFIG       a configuration name under PROJECTS, or a path to a configuration folder
               (an argument holding a path separator is a path)

Commands:
  list [--json]             the configurations, one name per line
  new NAME                  create a configuration
  check CONFIG [--strict] [--json]
                            run the checks of the screens on the stored files; exit 1 when one fails
                            (a file holding more rows than its table is named, with the rows left out;
                            a warning when the last ESI file describes another process image);
                            --strict also fails on listener fields that overlap or leave the data array
  compile CONFIG            write bin/bank1.bin, bin/bank2.bin and bin/bank3.bin of the configuration
  esi CONFIG FILE           write the ESI file to FILE
  map CONFIG FILE           write the objects-map CSV to FILE
  job CONFIG --ip ADDRESS [--option 0|1|2] [--read-back]
                            write Ethernet_Update.xml into the data folder
                            (0 firmware + configuration, 1 firmware, 2 configuration)
  update CONFIG --address ADDRESS [--option 0|1|2] [--read-back] [--check-only]
                            step 6: compile the banks, test the device at ADDRESS, write the job,
                            start the maker's updater Ethernet_Update and wait for it (at most 150 s);
                            it is looked for beside configurator-cli and in the data folder (put it
                            into the data folder of an installed tool; Ethernet_Update.exe runs
                            through Wine); --check-only starts configurator-check-update instead,
                            which checks the job and its files and sends nothing to the device.
                            Exit status: 0 the maker's updater ended well (the only success),
                            4 device not found, 6 check only: the files were checked, nothing sent,
                            1 check only: the check found faults, 7 the updater found is the check
                            program (nothing sent), 5 updater missing, would not start, failed or
                            still runs, 3 a file is missing or cannot be written
  inspect FILE [--json]     decode a bank file (bank1, bank2 or bank3, told by its size)
  layout CONFIG [--strict] [--svg FILE] [--json]
                            the NMEA data array and the EtherCAT process image; --svg writes the byte
                            map to FILE; --strict exits 1 when listener fields overlap or leave the array
  texts [--language NAME | --english-file]
                            the 1600 texts in language-file form, built in or with LANGUAGE/NAME.lng;
                            --english-file the built-in texts as the shipped English.lng
  preview CONFIG LOG [--json | [--array] [--ethercat]]
                            run an NMEA 0183 log through a model of the converter: each listener
                            row's last text, value and bytes; --array the data array as hexdump -C
                            shows it, --ethercat the Slave To Master variables the master reads
                            from it, --json all of it as one object
  learn CONFIG LOG [--sentences CODE,...] [--apply]
                            the listener rows for every field the log gave a value, after the last
                            used row; --apply saves them after the listener screen's checks
  table CONFIG TABLE --export FILE | --import FILE [--apply]
                            a table (listener, ethercat, topics or legacy) as a CSV file for
                            spreadsheets; --import replaces the table's rows with the file's and says
                            what the screen's checks find; --apply then saves them when they pass
  report CONFIG FILE        write the configuration's report to FILE as one self-contained HTML page
                            (parameters, listener rows, variables, byte map, ESI identity, banks)
  diff A B [--json]         what differs from configuration A to B: parameters, listener rows,
                            variables and their offsets, topics, the ESI files' process images and,
                            when both are compiled, the banks' fields; exit 1 when they differ.
                            A or B may be a folder of bank files alone: then the banks are compared
                            field by field

Read-only commands create nothing; new, job and update create the data folder with MASTER,
PROJECTS and LANGUAGE when they are missing.

--json writes one object, one member a line, every list one item a line (messages still go to
standard error, the exit status stays the same):
  list     {"projects": FOLDER, "configurations": [NAME, ...]}
  check    {"configuration": FOLDER, "passed": true|false,
            "screens": [{"file", "rows_left_out", "failure": MESSAGE|null}, ...],
            "array_findings": [LINE, ...] (with --strict), "esi_warning": MESSAGE|null}
  layout   {"configuration": FOLDER, "array_bytes": 2000,
            "fields": [{"row", "first_byte", "last_byte", "sentence", "data_field",
                        "overlapping_rows": [ROW, ...], "outside_array"}, ...],
            "slave_to_master_bytes", "slave_to_master": [{"row", "enabled", "type", "name",
                        "position", "bit", "bytes"}, ...],
            "master_to_slave_bytes", "master_to_slave": [...], "findings": [LINE, ...] (with --strict)}
  inspect  {"file": FILE, "fields": [{"offset", "name", "value"}, ...], "faults": [MESSAGE, ...]}
  diff     {"a": FOLDER, "b": FOLDER, "banks_only", "same",
            "differences": [{"area", "change", "row"|null, "item"|null,
                             "values": [{"key", "name", "old", "new"}, ...]}, ...]}
  preview  the model's note, the log's counts, "sentence_counts", "sentences_of_further_codes",
           "rows", "rows_whose_sentence_never_appeared", "variables" and "array"

Exit status: 0 done, 1 a check failed, 2 a usage error, 3 a file could not be read or written,
4 the device did not answer or could not be asked, 5 the updater failed, is missing or still runs,
6 update --check-only checked the files and sent nothing, 7 update found the check program in the
maker's updater's place and sent nothing.
)";
}

} // namespace cfg::cli
