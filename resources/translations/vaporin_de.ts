<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Attempt</name>
    <message>
        <source>No backup folder is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder %1 is not there (is its disk plugged in?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (and %2 more problems)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup does not verify: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup cannot be named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register cannot be copied to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditTrailModel</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupCheck</name>
    <message>
        <source>There is no file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy %1 fails SQLite&apos;s integrity check: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of entry %2 has a name no copy can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of entry %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is not the one entered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Backup folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder the register and its run logs are backed up into: a USB disk, a second disk or a network share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backs the register and its run logs up into the backup folder and verifies the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up into %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupScheduler</name>
    <message>
        <source>The backups&apos; status cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupStatus</name>
    <message>
        <source>Last verified backup: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No verified backup yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: no verified backup is newer than %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: the last backup attempt failed (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: the log %1 differs from its copy in the backup; the copy was kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChainLedger::LedgerWalk</name>
    <message>
        <source>Links %1 to %2 of the chain %3 are missing: records were removed from the ledger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link %1 does not follow the link before it: links were removed, inserted or reordered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link %1 has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 that the link %3 names is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 is not what the link %3 holds: it has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The witness %1 contradicts the register: its link there is %2, so the history up to it was rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 links of the chain %2 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 is not in the ledger: it was added past the program, or its link was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The witness %1 names a link the register no longer holds: records were removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chain %1 has no head.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest links %1 to %2 of the chain %3 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head of the chain %1 does not name its newest link.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleDetailsDialog</name>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release history, oldest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit trail of this cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleImport</name>
    <message>
        <source>The folder cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is no regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large to be a run log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleListModel</name>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleRegister</name>
    <message>
        <source>The folder of the register %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection %1 is in use already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s database driver %1 is not installed (on Debian: the package %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database driver %1 is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cycle without a start time cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cycle with a temperature that is not a number cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new entry&apos;s ID was not returned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The samples of entry %1 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The samples of entry %1 are damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleSummary</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits for release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits for no release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorded by the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recovered after the station was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imported from a run log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>began after the program had started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the program&apos;s start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log SHA-256</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place in the chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous entry&apos;s hash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry hash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleVerifier</name>
    <message>
        <source>The samples of %1 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The samples of %1 are damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 should have %2 samples but has %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or its verdict has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verdict of %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verdict of %1 is not what its samples give; it has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of %2 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 of %2 has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audit event %1 (%2 at %3) has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 (controller %2, cycle %3, started %4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleVerifier::ChainWalk</name>
    <message>
        <source>Entries %1 to %2 of the chain of controller %3 before %4 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not follow the entry before it in its chain: entries were removed, inserted or reordered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chain of controller %1 has no head; its newest entry is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest entries %1 to %2 of the chain of controller %3 are missing; the newest left is %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head of the chain of controller %1 does not name its newest entry %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 entries of the chain of controller %2 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CycleVerifier::ReleaseWalk</name>
    <message>
        <source>release %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 has been altered, or the entry or verdict it was made on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Releases %1 to %2 of %3 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 does not follow the release before it: releases were removed, inserted or reordered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The release history of %1 has no head.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest releases %1 to %2 of %3 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head of the release history of %1 does not name its newest release.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 releases of entry %2 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditPorgramStepDialog</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time must be 0 to %1 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temperature must be %1 to %2 °C.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventRow</name>
    <message>
        <source>The new event&apos;s ID was not returned.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>A program is running. The controller goes on with it, but the station stops recording this run: its log and its register entry end now with the status &quot;%1&quot;.
Exit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Roll, %1 x %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 sheet, 65 labels of 38.1 x 21.2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the labels could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChooser</name>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>140</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD A STEP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaporin, Example Street 1, 00000 Sample Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tel. +00 000 000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© Vaporin (sample maker). All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaporin — sterilisation made simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaporin builds table-top steam autoclaves for medical practices, dental clinics and laboratories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our autoclaves sterilise instruments with saturated steam in programs that are easy to choose and safe to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every cycle is watched by the Regulon controller, and this station keeps a record of each run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find out more at www.vaporin.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact us with E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if there is an Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to start </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop the running program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Saved to %1.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The station keeps the record and offers to save it again at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run log was NOT saved.
Result of the run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program is already running.
Do you want to start recording temperature?
Alert: The file that will be created afterwards won&apos;t contain the previous temperatures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished because of an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 &quot;%2&quot; saved to the controller.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoFollowFile</name>
    <message>
        <source>%1 is a symbolic link. The station writes no record through a link; remove the link or choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorAccounts</name>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account of %1 is deactivated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such operator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account of %1 is locked after %2 wrong PINs until %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong PIN. The account of %1 is locked for %2 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong PIN for %1: %2 more attempts before the account is locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no supervisor: only a supervisor changes accounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An operator&apos;s name has 1 to 80 characters, without line breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initials have 1 to 5 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an operator &quot;%1&quot; already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN could not be hashed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another account was made meanwhile: try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register keeps at least one active supervisor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorsDialog</name>
    <message>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initials:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ctive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a new account or a PIN reset; at least 4 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed by a supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Supervisor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No accounts yet: the first one made is a supervisor and needs no signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n accounts.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackStore</name>
    <message>
        <source>A pack type&apos;s name has 1 to 60 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shelf life is 1 to %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A load has 1 to %1 packs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels are printed only for a cycle whose load is released.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackUses</name>
    <message>
        <source>The register knows no pack of this code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack %1 is recalled: its cycle was found faulty after its release. Take it out of use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The load of the pack %1 is not released (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack %1 expired on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack %1 was used already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan or type the pack&apos;s code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the operator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say in the comment why it is used all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packs cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no use %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackVerifier</name>
    <message>
        <source>%1 does not match its hash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>operator account %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use %1 of pack %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PacksView</name>
    <message>
        <source>Use at the chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient or case &amp;reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart number as the practice writes it; no names needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack &amp;code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan the pack&apos;s label, or type its code and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the pack is used all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels and recall of the chosen cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Packs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First free &amp;position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;labels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recall report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired or expiring, not used: reprocess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;erators...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operator accounts who sign releases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument pouch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a cycle in the list of cycles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle %1 of %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>released, labels can be printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entered as used at %2 by %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>labels %1-%2.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering the packs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No labels were made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels were not printed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels, %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Recall Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recall %1-%2.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recall report is saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PinHash</name>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PinReader</name>
    <message>
        <source>A PIN is needed: run the command at a terminal, or give --pin-stdin and the PIN on standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PIN was given on standard input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramStepItem</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes at 120 C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time since the start [HH:MM]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME [HH:MM]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingWatch</name>
    <message>
        <source>no reading since %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecallReport</name>
    <message>
        <source>Recall report, generated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle register: recall report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>controller %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall of cycle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsCommandLine</name>
    <message>
        <source>Say the format: --csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--witness-file &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The witness &quot;%1&quot; is no register position (of the form RG100001 #1234 d0fb04d1c3a2b4e5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Witnesses are checked against the register, not against files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tsa-certificate goes with the whole register&apos;s verification, not with files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hold is missing: --hold T:M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file is missing: --pdf FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either an ID or a period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give an ID, or a period with --from and --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the operator: --operator NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The decision is missing: --decision released|rejected|quarantined|recalled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no number from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of packs is missing: --packs N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack type is missing: --type NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient&apos;s or case&apos;s reference is missing: --reference REF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file is missing: --csv FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a type with its shelf life, NAME --days N, or neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A supervisor signs the erasure: --by NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--role &quot;%1&quot; is none of operator|supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new account takes --initials, --role and --by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The initials are missing: --initials TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of add|change|reset-pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A supervisor signs the change: --by NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset-pin takes only --by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --activate or --deactivate, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say where to: --to postgresql://...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--status takes no folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--logs needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. See vaporin-records --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--register needs a file name or a connection URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An argument is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many arguments: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsCommandLine::Invocation</name>
    <message>
        <source>%1. Usage: vaporin-records %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ID &quot;%1&quot; is no entry&apos;s ID (a whole number from 1, as list shows it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no date of the form yyyy-MM-dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hold &quot;%1&quot; is no hold: give T:M, the temperature in °C (0 to %2) and the minutes (0 to %3), e.g. 121:20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no tolerance: give kelvin from 0 to %3, e.g. 0.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is none of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>The records are open in a window of their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back into the tab</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsSettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clinic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed at the top of every cycle and period report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower tolerance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvin below the hold&apos;s temperature that still count as holding it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvin above the hold&apos;s temperature that still count as holding it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tolerance from 0 to %1 K. The cycles entered from now on are judged by them; the verdicts entered before keep the band they were judged by.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsTab</name>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clinic&apos;s name on the reports and the verdict&apos;s tolerances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the records in a window of their own, as large as the screen allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycles of any date; clear it to choose a period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first day of the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last day of the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles that ended so</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles of this controller (serial number)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles whose current release this operator made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles whose current release decided so</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the cycles that wait for release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found in the program, status, serial number, cycle number, log file name or station, and in the lot, load, operator or comment of any release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export list…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves every cycle of the filter as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report of the cycles of the filter as a PDF file, for inspections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print period…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report of the cycles of the filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the folder of the cycle&apos;s run log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export samples…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the cycle&apos;s samples as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every field of the entry, its hashes, its verdict, its releases and its audit trail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records who decides what about the cycle&apos;s load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the cycle report as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the cycle report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit trail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify register…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks every entry, release, verdict, log file and time stamp of the register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cycle %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 rows saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export failed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report failed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central register unreachable since %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing waits to be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; 1 entry waits to be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %L1 entries wait to be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown meanwhile: this station&apos;s own register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All statuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All controllers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be shown: no program to show folders was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cycles %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Period Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the report…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsTool</name>
    <message>
        <source>There is no register %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already present: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differing from their entry: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1: the register holds this cycle as entry %2 with another log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import stopped: the register failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verify on those stations checks them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scheme %1 covers %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ledger links %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coverage: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked %1 of %2 and %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was moved: the entries of %1 are not intact (see above).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit events carried: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit events already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Releases carried: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Releases already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The migration stopped: %1 Running it again goes on from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT MOVED: %1 operator accounts, %2 packs and %3 uses stay in %4; this version moves entries, releases and the audit trail only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs from the log of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a run log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no readable run log: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The release of %1 was not entered: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered release %1 of %2: %3 by %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PIN is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New PIN of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new PIN again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two PINs differ; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A supervisor signs new accounts: --by NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 (%2), %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was not changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed %1 (%2), %3, %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN was not reset: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN of %1 is reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no label format &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No labels were made for %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels cannot be written to %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels, %2 to %3, are in %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The use was not entered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2 despite: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recall report of %1 is in %2: %3 packs used, %4 to be taken from the shelves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack type was not set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf life (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a supervisor erases a reference: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no supervisor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference was not erased: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference is erased from %1 uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report of %1 is in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report of %1 from %2 to %3 is in %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register %1 is on a server: back it up there (see the README&apos;s &quot;Backups&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup folder: give one, or choose one in the Records tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup verified: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIFFERS %1: its copy in the backup was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed older backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT IN THE BACKUP: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Give --force to replace it anyway; it is then kept beside the restored one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replaced register is kept as: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIFFERS %1: another file of that name is there; not overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaporin Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsWindow</name>
    <message>
        <source>Records - Vaporin Regulon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterAlert</name>
    <message>
        <source>Cycle Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cycle register cannot be written at the moment:
%1

Run logs are saved as always. The register&apos;s entries are kept and will be entered automatically as soon as it can be written again (waiting now: %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterBackup</name>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 is verified, but the register cannot record it: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterLocation</name>
    <message>
        <source>The connection URI cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give postgresql://[user@][host][:port][/database][?name=value&amp;...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a password, which would show to every user of this computer; give it in PGPASSWORD or the password file ~/.pgpass instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host %1 is no [IPv6 address]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &quot;%&quot; is not followed by two hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; is no name=value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of %1 holds a &quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port %1 is no number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterReader</name>
    <message>
        <source>The release was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The release was not saved: the register shown has changed; choose the cycle again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterReaderContext</name>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterRestore</name>
    <message>
        <source>The folder %1 holds no backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 cannot be copied to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register %1 holds %2 entries that the backup lacks; nothing was replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register %1 is in use; close the station first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register %1 cannot be moved aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored register cannot be named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register is restored, but it cannot record the restore: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterSchema</name>
    <message>
        <source>The register has schema version %1, newer than this program knows (%2); use a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterTransfer</name>
    <message>
        <source>%1 has been altered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterVerification</name>
    <message>
        <source>The time stamp %1 (%2) does not verify: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text it stamps is not a list of chain positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time stamps are stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 time stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not checked: no certificate of the time-stamp authority was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked %1: none verifies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked %1: the register is proven as of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterWriter</name>
    <message>
        <source>The run has no start time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseDialog</name>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who decides about the load; required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operator&apos;s PIN signs the release once the register has operator accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the load held, e.g. Tray 3: forceps, mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lot &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chemical indicator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Biological indicator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decision:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release of cycle %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle %1 of controller %2, %3, started %4, %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: &lt;b&gt;%1&lt;/b&gt;, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.&lt;br&gt;Its samples do not prove the hold: its load is released only with a comment that says why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest of its releases: %1 on %2. Saving adds an entry to its history; nothing is overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not released yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseHistoryModel</name>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biological indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleasePolicy</name>
    <message>
        <source>Name the operator who makes the decision.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1: the load is not sterile and cannot be released.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verdict is %1: say in the comment why the load is released all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chemical indicator failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>biological indicator is positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseSigning</name>
    <message>
        <source>The verdict is %1: only a supervisor releases its load.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunLogParser</name>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is no run log: it does not begin with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its last line is incomplete: the log is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header ends early: &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 does not begin with &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 holds a zero byte: it is no text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header ends early: the column titles are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines %1 and %2 are not &quot;Data Points&quot; and the column titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start time &quot;%1&quot; is no time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finish time &quot;%1&quot; is no time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cycle number &quot;%1&quot; is no number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is no row of elapsed time and temperature.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunLogSaver</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run log could not be written to
%1
%2

Do you want to save it elsewhere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Run Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run logs (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunRecovery</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run log of the interrupted run was NOT saved.
The station keeps its record and offers it again at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Log Recovered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station stopped before the log of a run was saved.
The run log has now been saved to
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlaveThread</name>
    <message>
        <source>Can&apos;t write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open %1, error code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait read request timeout %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No controller found. Check that its USB cable is plugged in and that the controller is switched on. Your user must be in the dialout group (log in again after adding it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Regulon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no tolerance from 0 to %3 K; the verdicts use %4 K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;; it must be sqlite or postgresql.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no port number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Successfully completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program cancelled by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station closed during the run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeStampToken</name>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds no certificate (PEM).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is no time-stamp reply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The authority refused the request (status %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The token cannot be encoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The token cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The token cannot be checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The token does not verify.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The token&apos;s time cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferLock</name>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerdictBanner</name>
    <message>
        <source>The register holds no verdict for this run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerificationDialog</name>
    <message>
        <source>Verify register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying: every entry, release, verdict, log file and time stamp is read…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be written.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerificationSummary</name>
    <message>
        <source>The register could not be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register is intact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register is NOT intact: %1 found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its history up to %1 is proven by the time-stamp authority; what came after is not yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time stamp proves its history: whoever can write the register could have rewritten it completely, hashes included, without a trace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in the register or in its log files was found changed, removed or reordered. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each problem is listed below. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked %1 of %2, %3 and %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verifying on those stations checks them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last full verification: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No full verification yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
