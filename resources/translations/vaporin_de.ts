<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AuditTrailModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>cycle entered</source>
        <translation>Charge eingetragen</translation>
    </message>
    <message>
        <source>release</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>cycle migrated</source>
        <translation>Charge übertragen</translation>
    </message>
    <message>
        <source>program write</source>
        <translation>Programm geschrieben</translation>
    </message>
    <message>
        <source>settings change</source>
        <translation>Einstellungen geändert</translation>
    </message>
    <message>
        <source>backup verified</source>
        <translation>Sicherung geprüft</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>register restored</source>
        <translation>Register wiederhergestellt</translation>
    </message>
    <message>
        <source>operator added</source>
        <translation>Bediener angelegt</translation>
    </message>
    <message>
        <source>operator changed</source>
        <translation>Bediener geändert</translation>
    </message>
    <message>
        <source>operator PIN reset</source>
        <translation>Bediener-PIN zurückgesetzt</translation>
    </message>
    <message>
        <source>operator locked out</source>
        <translation>Bediener gesperrt</translation>
    </message>
    <message>
        <source>packs labelled</source>
        <translation>Pakete etikettiert</translation>
    </message>
    <message>
        <source>pack used</source>
        <translation>Paket verwendet</translation>
    </message>
    <message>
        <source>reference erased</source>
        <translation>Patientenreferenz gelöscht</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>BackupCheck</name>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened: %2</source>
        <translation>Die Kopie %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The copy %1 fails SQLite&apos;s integrity check: %2</source>
        <translation>Die Kopie %1 besteht die Integritätsprüfung von SQLite nicht: %2</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 has a name no copy can have.</source>
        <translation>Das Laufprotokoll %1 des Eintrags %2 hat einen Namen, den keine Kopie haben kann.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is missing.</source>
        <translation>Das Laufprotokoll %1 des Eintrags %2 fehlt.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 cannot be read: %3</source>
        <translation>Das Laufprotokoll %1 des Eintrags %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is not the one entered.</source>
        <translation>Das Laufprotokoll %1 des Eintrags %2 ist nicht das eingetragene.</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Backup folder...</source>
        <translation>Sicherungsordner...</translation>
    </message>
    <message>
        <source>The folder the register and its run logs are backed up into: a USB disk, a second disk or a network share</source>
        <translation>Der Ordner, in den das Register und seine Laufprotokolle gesichert werden: ein USB-Laufwerk, eine zweite Festplatte oder eine Netzwerkfreigabe</translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Backs the register and its run logs up into the backup folder and verifies the backup</source>
        <translation>Sichert das Register und seine Laufprotokolle in den Sicherungsordner und prüft die Sicherung</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Backing up into %1 ...</source>
        <translation>Sicherung nach %1 ...</translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation>Kein Sicherungsordner gewählt.</translation>
    </message>
    <message>
        <source>Backup folder: %1</source>
        <translation>Sicherungsordner: %1</translation>
    </message>
</context>
<context>
    <name>BackupScheduler</name>
    <message>
        <source>The backups&apos; status cannot be read: %1</source>
        <translation>Der Stand der Sicherungen kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>BackupStatus</name>
    <message>
        <source>Last verified backup: %1 (%2)</source>
        <translation>Letzte geprüfte Sicherung: %1 (%2)</translation>
    </message>
    <message>
        <source>No verified backup yet.</source>
        <translation>Noch keine geprüfte Sicherung.</translation>
    </message>
    <message>
        <source>Warning: the last backup attempt failed (%1): %2</source>
        <translation>Warnung: Der letzte Sicherungsversuch ist fehlgeschlagen (%1): %2</translation>
    </message>
    <message>
        <source>Warning: the log %1 differs from its copy in the backup; the copy was kept.</source>
        <translation>Warnung: Das Laufprotokoll %1 weicht von seiner Kopie in der Sicherung ab; die Kopie wurde behalten.</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>Warning: no verified backup is newer than %n days.</source>
        <translation>
            <numerusform>Warnung: Keine geprüfte Sicherung ist neuer als %n Tag.</numerusform>
            <numerusform>Warnung: Keine geprüfte Sicherung ist neuer als %n Tage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChainLedger</name>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>Freigabe %1</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>Ereignis %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>Paket %1</translation>
    </message>
    <message>
        <source>use %1</source>
        <translation>Verwendung %1</translation>
    </message>
    <message>
        <source>Links %1 to %2 of the chain %3 are missing: records were removed from the ledger.</source>
        <translation>Die Glieder %1 bis %2 der Kette %3 fehlen: Datensätze wurden aus dem Kettenbuch entfernt.</translation>
    </message>
    <message>
        <source>The link %1 does not follow the link before it: links were removed, inserted or reordered.</source>
        <translation>Das Glied %1 folgt nicht auf das Glied davor: Glieder wurden entfernt, eingefügt oder umsortiert.</translation>
    </message>
    <message>
        <source>The link %1 has been altered.</source>
        <translation>Das Glied %1 wurde verändert.</translation>
    </message>
    <message>
        <source>The %1 that the link %2 names is missing.</source>
        <translation>Der Datensatz „%1“, den das Glied %2 nennt, fehlt.</translation>
    </message>
    <message>
        <source>The %1 is not what the link %2 holds: it has been altered.</source>
        <translation>Der Datensatz „%1“ entspricht nicht dem, was das Glied %2 enthält: Er wurde verändert.</translation>
    </message>
    <message>
        <source>The witness %1 contradicts the register: its link there is %2, so the history up to it was rewritten.</source>
        <translation>Der Beleg %1 widerspricht dem Register: Sein Glied dort ist %2, die Geschichte bis dahin wurde also umgeschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>All %n links of the chain %1 are missing.</source>
        <translation>
            <numerusform>Das einzige Glied der Kette %1 fehlt.</numerusform>
            <numerusform>Alle %n Glieder der Kette %1 fehlen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not in the ledger: it was added past the program, or its link was removed.</source>
        <translation>Der Datensatz „%1“ steht nicht im Kettenbuch: Er wurde am Programm vorbei hinzugefügt, oder sein Glied wurde entfernt.</translation>
    </message>
    <message>
        <source>The witness %1 names a link the register no longer holds: records were removed.</source>
        <translation>Der Beleg %1 nennt ein Glied, das das Register nicht mehr enthält: Datensätze wurden entfernt.</translation>
    </message>
    <message>
        <source>The chain %1 has no head.</source>
        <translation>Die Kette %1 hat keinen Kopf.</translation>
    </message>
    <message>
        <source>The newest links %1 to %2 of the chain %3 are missing.</source>
        <translation>Die neuesten Glieder %1 bis %2 der Kette %3 fehlen.</translation>
    </message>
    <message>
        <source>The head of the chain %1 does not name its newest link.</source>
        <translation>Der Kopf der Kette %1 nennt nicht ihr neuestes Glied.</translation>
    </message>
</context>
<context>
    <name>CommunicationManager</name>
    <message>
        <source>The start was not sent: the controller cannot be reached. No program was started.</source>
        <translation>Der Start wurde nicht gesendet: Der Regler ist nicht erreichbar. Es wurde kein Programm gestartet.</translation>
    </message>
    <message>
        <source>The stop was not sent: the controller cannot be reached. The program goes on; press Stop again once the controller is back, or stop it at the controller.</source>
        <translation>Der Stopp wurde nicht gesendet: Der Regler ist nicht erreichbar. Das Programm läuft weiter; drücken Sie erneut Stopp, sobald der Regler wieder erreichbar ist, oder stoppen Sie es am Regler.</translation>
    </message>
    <message>
        <source>Can&apos;t connect to the regulon</source>
        <translation>Keine Verbindung zum Regulon möglich</translation>
    </message>
    <message>
        <source>Could not read from device. Please try with connecting another USB cable. If the error persists try to do a restart of the controller.</source>
        <translation>Das Gerät konnte nicht gelesen werden. Bitte versuchen Sie es mit einem anderen USB-Kabel. Besteht der Fehler weiter, starten Sie den Regler neu.</translation>
    </message>
</context>
<context>
    <name>CycleChart</name>
    <message>
        <source>Time since the start [HH:MM]</source>
        <translation>Zeit seit dem Start [HH:MM]</translation>
    </message>
</context>
<context>
    <name>CycleCurve</name>
    <message>
        <source>whole run</source>
        <translation>ganzer Lauf</translation>
    </message>
    <message>
        <source>hold in detail</source>
        <translation>Haltezeit im Detail</translation>
    </message>
    <message>
        <source>elapsed h:mm</source>
        <translation>verstrichen h:mm</translation>
    </message>
    <message>
        <source>No samples recorded</source>
        <translation>Keine Messwerte aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>CycleDetailsDialog</name>
    <message>
        <source>Cycle</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Release history, oldest first</source>
        <translation>Freigabeverlauf, älteste zuerst</translation>
    </message>
    <message>
        <source>Audit trail of this cycle</source>
        <translation>Prüfpfad dieser Charge</translation>
    </message>
    <message>
        <source>Cycle %1 of %2</source>
        <translation>Charge %1 von %2</translation>
    </message>
</context>
<context>
    <name>CycleImport</name>
    <message>
        <source>The folder cannot be read: %1</source>
        <translation>Der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>It is no regular file.</source>
        <translation>Das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>It is too large to be a run log.</source>
        <translation>Die Datei ist zu groß für ein Laufprotokoll.</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
</context>
<context>
    <name>CycleListModel</name>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
</context>
<context>
    <name>CycleRegister</name>
    <message>
        <source>The folder of the register %1 cannot be made.</source>
        <translation>Der Ordner des Registers %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The connection %1 is in use already.</source>
        <translation>Die Verbindung %1 wird bereits verwendet.</translation>
    </message>
    <message>
        <source>Qt&apos;s database driver %1 is not installed (on Debian: the package %2).</source>
        <translation>Der Datenbanktreiber %1 von Qt ist nicht installiert (unter Debian: das Paket %2).</translation>
    </message>
    <message>
        <source>The database driver %1 is not supported.</source>
        <translation>Der Datenbanktreiber %1 wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Das Register ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>A cycle without a start time cannot be entered.</source>
        <translation>Eine Charge ohne Startzeit kann nicht eingetragen werden.</translation>
    </message>
    <message>
        <source>A cycle with a temperature that is not a number cannot be entered.</source>
        <translation>Eine Charge mit einer Temperatur, die keine Zahl ist, kann nicht eingetragen werden.</translation>
    </message>
    <message>
        <source>The new entry&apos;s ID was not returned.</source>
        <translation>Die ID des neuen Eintrags wurde nicht zurückgegeben.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>Es gibt keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are missing.</source>
        <translation>Die Messwerte des Eintrags %1 fehlen.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are damaged: %2</source>
        <translation>Die Messwerte des Eintrags %1 sind beschädigt: %2</translation>
    </message>
</context>
<context>
    <name>CycleReport</name>
    <message>
        <source>%1 (no. %2)</source>
        <translation>%1 (Nr. %2)</translation>
    </message>
    <message>
        <source>recorded by the station</source>
        <translation>von der Station aufgezeichnet</translation>
    </message>
    <message>
        <source>recovered from the journal</source>
        <translation>aus dem Journal wiederhergestellt</translation>
    </message>
    <message>
        <source>imported from a run log</source>
        <translation>aus einem Laufprotokoll importiert</translation>
    </message>
    <message>
        <source>%1, adopted run</source>
        <translation>%1, übernommener Lauf</translation>
    </message>
    <message>
        <source>Controller %1</source>
        <translation>Regler %1</translation>
    </message>
    <message>
        <source>cycle %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>report generated %1</source>
        <translation>Bericht erstellt %1</translation>
    </message>
    <message>
        <source>Release history (continued)</source>
        <translation>Freigabeverlauf (Fortsetzung)</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (aktuell)</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
    <message>
        <source>Sterilisation cycle record</source>
        <translation>Chargenprotokoll der Sterilisation</translation>
    </message>
    <message>
        <source>Cycle %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Controller serial number</source>
        <translation>Seriennummer des Reglers</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Cycle number</source>
        <translation>Chargennummer</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>PROGRAM STEPS</source>
        <translation>PROGRAMMSCHRITTE</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 Messwerte</translation>
    </message>
    <message>
        <source>Temperature curve</source>
        <translation>Temperaturverlauf</translation>
    </message>
    <message>
        <source>%1; the band shaded over the hold, its longest stretch marked at the bottom</source>
        <translation>%1; das Band über der Haltezeit schattiert, seine längste Strecke unten markiert</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, oldest first</source>
        <translation>
            <numerusform>%n Eintrag, ältester zuerst</numerusform>
            <numerusform>%n Einträge, älteste zuerst</numerusform>
        </translation>
    </message>
    <message>
        <source>not released</source>
        <translation>nicht freigegeben</translation>
    </message>
    <message>
        <source>Continued on page %1</source>
        <translation>Fortsetzung auf Seite %1</translation>
    </message>
    <message>
        <source>Integrity</source>
        <translation>Integrität</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Run log</source>
        <translation>Laufprotokoll</translation>
    </message>
    <message>
        <source>Run log SHA-256</source>
        <translation>SHA-256 des Laufprotokolls</translation>
    </message>
    <message>
        <source>Register entry hash</source>
        <translation>Hash des Registereintrags</translation>
    </message>
    <message>
        <source>Register position</source>
        <translation>Position im Register</translation>
    </message>
    <message>
        <source>station software %1, controller firmware %2</source>
        <translation>Stationssoftware %1, Regler-Firmware %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>not entered in the register</source>
        <translation>nicht im Register eingetragen</translation>
    </message>
    <message>
        <source>%1  (when printed; vaporin-records verify --witness)</source>
        <translation>%1  (beim Drucken; vaporin-records verify --witness)</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Cycle %1, controller %2</source>
        <translation>Charge %1, Regler %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>All %1 samples: time since the recording began (h:mm:ss) and chamber temperature (°C), down each column</source>
        <translation>Alle %1 Messwerte: Zeit seit Beginn der Aufzeichnung (h:mm:ss) und Kammertemperatur (°C), Spalte für Spalte von oben nach unten</translation>
    </message>
</context>
<context>
    <name>CycleSummary</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Waits for release</source>
        <translation>Wartet auf Freigabe</translation>
    </message>
    <message>
        <source>Waits for no release</source>
        <translation>Braucht keine Freigabe</translation>
    </message>
    <message>
        <source>recorded by the station</source>
        <translation>von der Station aufgezeichnet</translation>
    </message>
    <message>
        <source>recovered after the station was interrupted</source>
        <translation>nach einer Unterbrechung der Station wiederhergestellt</translation>
    </message>
    <message>
        <source>imported from a run log</source>
        <translation>aus einem Laufprotokoll importiert</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Cycle number</source>
        <translation>Chargennummer</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>began after the program had started</source>
        <translation>begann nach dem Start des Programms</translation>
    </message>
    <message>
        <source>from the program&apos;s start</source>
        <translation>ab dem Start des Programms</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Software-Version</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Log SHA-256</source>
        <translation>SHA-256 des Protokolls</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Eingetragen</translation>
    </message>
    <message>
        <source>Place in the chain</source>
        <translation>Platz in der Kette</translation>
    </message>
    <message>
        <source>Previous entry&apos;s hash</source>
        <translation>Hash des vorigen Eintrags</translation>
    </message>
    <message>
        <source>Entry hash</source>
        <translation>Hash des Eintrags</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CycleVerifier</name>
    <message>
        <source>The samples of %1 are missing.</source>
        <translation>Die Messwerte von %1 fehlen.</translation>
    </message>
    <message>
        <source>The samples of %1 are damaged: %2</source>
        <translation>Die Messwerte von %1 sind beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 should have %2 samples but has %3.</source>
        <translation>%1 sollte %2 Messwerte haben, hat aber %3.</translation>
    </message>
    <message>
        <source>%1 has been altered.</source>
        <translation>%1 wurde verändert.</translation>
    </message>
    <message>
        <source>%1 or its verdict has been altered.</source>
        <translation>%1 oder seine Bewertung wurde verändert.</translation>
    </message>
    <message>
        <source>The verdict of %1 is missing.</source>
        <translation>Die Bewertung von %1 fehlt.</translation>
    </message>
    <message>
        <source>The verdict of %1 is not what its samples give; it has been altered.</source>
        <translation>Die Bewertung von %1 ist nicht die, die seine Messwerte ergeben; sie wurde verändert.</translation>
    </message>
    <message>
        <source>The log %1 of %2 is missing.</source>
        <translation>Das Laufprotokoll %1 von %2 fehlt.</translation>
    </message>
    <message>
        <source>The log %1 of %2 cannot be read: %3</source>
        <translation>Das Laufprotokoll %1 von %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The log %1 of %2 has been altered.</source>
        <translation>Das Laufprotokoll %1 von %2 wurde verändert.</translation>
    </message>
    <message>
        <source>The audit event %1 (%2 at %3) has been altered.</source>
        <translation>Das Ereignis %1 des Prüfpfads (%2 um %3) wurde verändert.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>entry %1 (controller %2, cycle %3, started %4)</source>
        <translation>Eintrag %1 (Regler %2, Charge %3, gestartet %4)</translation>
    </message>
    <message>
        <source>Entries %1 to %2 of the chain of controller %3 before %4 are missing.</source>
        <translation>Die Einträge %1 bis %2 der Kette des Reglers %3 vor %4 fehlen.</translation>
    </message>
    <message>
        <source>%1 does not follow the entry before it in its chain: entries were removed, inserted or reordered.</source>
        <translation>%1 folgt nicht auf den Eintrag davor in seiner Kette: Einträge wurden entfernt, eingefügt oder umsortiert.</translation>
    </message>
    <message>
        <source>The chain of controller %1 has no head; its newest entry is %2.</source>
        <translation>Die Kette des Reglers %1 hat keinen Kopf; ihr neuester Eintrag ist %2.</translation>
    </message>
    <message>
        <source>The newest entries %1 to %2 of the chain of controller %3 are missing; the newest left is %4.</source>
        <translation>Die neuesten Einträge %1 bis %2 der Kette des Reglers %3 fehlen; der neueste verbliebene ist %4.</translation>
    </message>
    <message>
        <source>The head of the chain of controller %1 does not name its newest entry %2.</source>
        <translation>Der Kopf der Kette des Reglers %1 nennt nicht ihren neuesten Eintrag %2.</translation>
    </message>
    <message numerus="yes">
        <source>All %n entries of the chain of controller %1 are missing.</source>
        <translation>
            <numerusform>Der einzige Eintrag der Kette des Reglers %1 fehlt.</numerusform>
            <numerusform>Alle %n Einträge der Kette des Reglers %1 fehlen.</numerusform>
        </translation>
    </message>
    <message>
        <source>release %1 of %2</source>
        <translation>Freigabe %1 von %2</translation>
    </message>
    <message>
        <source>The %1 has been altered, or the entry or verdict it was made on.</source>
        <translation>%1 wurde verändert, oder der Eintrag oder die Bewertung, auf der sie beruht.</translation>
    </message>
    <message>
        <source>Releases %1 to %2 of %3 are missing.</source>
        <translation>Die Freigaben %1 bis %2 von %3 fehlen.</translation>
    </message>
    <message>
        <source>The %1 does not follow the release before it: releases were removed, inserted or reordered.</source>
        <translation>%1 folgt nicht auf die Freigabe davor: Freigaben wurden entfernt, eingefügt oder umsortiert.</translation>
    </message>
    <message>
        <source>The release history of %1 has no head.</source>
        <translation>Die Freigabegeschichte von %1 hat keinen Kopf.</translation>
    </message>
    <message>
        <source>The newest releases %1 to %2 of %3 are missing.</source>
        <translation>Die neuesten Freigaben %1 bis %2 von %3 fehlen.</translation>
    </message>
    <message>
        <source>The head of the release history of %1 does not name its newest release.</source>
        <translation>Der Kopf der Freigabegeschichte von %1 nennt nicht ihre neueste Freigabe.</translation>
    </message>
    <message numerus="yes">
        <source>All %n releases of entry %1 are missing.</source>
        <translation>
            <numerusform>Die einzige Freigabe des Eintrags %1 fehlt.</numerusform>
            <numerusform>Alle %n Freigaben des Eintrags %1 fehlen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DigitalStatus</name>
    <message>
        <source>Vaporin - Error</source>
        <translation>Vaporin - Fehler</translation>
    </message>
    <message>
        <source>Vaporin - Error </source>
        <translation>Vaporin - Fehler </translation>
    </message>
    <message>
        <source>Vaporin - Information</source>
        <translation>Vaporin - Information</translation>
    </message>
    <message>
        <source>Error flag! STS_ERROR</source>
        <translation>Fehlerkennung! STS_ERROR</translation>
    </message>
    <message>
        <source>Communication timeout.</source>
        <translation>Zeitüberschreitung der Kommunikation.</translation>
    </message>
    <message>
        <source>The temperature sensor 1 is out of the allowed range.</source>
        <translation>Der Temperatursensor 1 liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The program has been stopped manually by user.</source>
        <translation>Das Programm wurde vom Benutzer manuell gestoppt.</translation>
    </message>
    <message>
        <source>Delta-T Error
The allowed temperature range of T-1/+2°C has been exceeded during holding time. Check if the temperature cable Check if the autoclave chamber is not out of water.</source>
        <translation>Delta-T-Fehler
Der zulässige Temperaturbereich von T-1/+2°C wurde während der Haltezeit überschritten. Prüfen Sie das Temperaturkabel und ob die Kammer des Autoklaven genug Wasser hat.</translation>
    </message>
    <message>
        <source>Heater Error
Maximum allowed temperature exceeded (143°C) OR targettemperature not be reached. Please check if temperaturesensor is working properly or autoclave chamber is not out ofwater.</source>
        <translation>Heizungsfehler
Höchstzulässige Temperatur überschritten (143°C) ODER Solltemperatur nicht erreicht. Bitte prüfen Sie, ob der Temperatursensor richtig arbeitet und ob die Kammer des Autoklaven genug Wasser hat.</translation>
    </message>
    <message>
        <source>The program finished successfully.</source>
        <translation>Das Programm wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <source>A program is already running.
Alert: The pdf file that will be created afterwards won&apos;t contain the previous temperatures.</source>
        <translation>Es läuft bereits ein Programm.
Achtung: Die danach erstellte PDF-Datei enthält die bisherigen Temperaturen nicht.</translation>
    </message>
    <message>
        <source>The temperature is too high.</source>
        <translation>Die Temperatur ist zu hoch.</translation>
    </message>
    <message>
        <source>The temperature is lower than the minimum allowed.</source>
        <translation>Die Temperatur liegt unter dem zulässigen Minimum.</translation>
    </message>
    <message>
        <source>An error was occured.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The program was stopped because a critical error detected.</source>
        <translation>Das Programm wurde wegen eines kritischen Fehlers gestoppt.</translation>
    </message>
    <message>
        <source>Error in temperature sensor. Most often this means the sensoris not plugged in into controller. Other possible reason: cablebreak.</source>
        <translation>Fehler am Temperatursensor. Meist ist der Sensor nicht am Regler eingesteckt. Andere mögliche Ursache: Kabelbruch.</translation>
    </message>
</context>
<context>
    <name>EditPorgramStepDialog</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>The time must be 0 to %1 minutes.</source>
        <translation>Die Zeit muss 0 bis %1 Minuten betragen.</translation>
    </message>
    <message>
        <source>The temperature must be %1 to %2 °C.</source>
        <translation>Die Temperatur muss %1 bis %2 °C betragen.</translation>
    </message>
</context>
<context>
    <name>EraseReferenceDialog</name>
    <message>
        <source>Erase Reference</source>
        <translation>Referenz löschen</translation>
    </message>
    <message>
        <source>Su&amp;pervisor:</source>
        <translation>Au&amp;fsicht:</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>P&amp;IN der Aufsicht:</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Erase the patient&apos;s reference from the use of pack %1 on %2? The use stays with its time and operator; the reference cannot be brought back.</source>
        <translation>Die Patientenreferenz aus der Verwendung des Pakets %1 am %2 löschen? Die Verwendung bleibt mit Zeit und Bediener erhalten; die Referenz lässt sich nicht zurückholen.</translation>
    </message>
</context>
<context>
    <name>EventRow</name>
    <message>
        <source>The new event&apos;s ID was not returned.</source>
        <translation>Die ID des neuen Ereignisses wurde nicht zurückgegeben.</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>A program is running. The controller goes on with it, but the station stops recording this run: its log and its register entry end now with the status &quot;%1&quot;.
Exit anyway?</source>
        <translation>Ein Programm läuft. Der Regler führt es weiter aus, aber die Station zeichnet diesen Lauf nicht mehr auf: Sein Laufprotokoll und sein Registereintrag enden jetzt mit dem Status „%1“.
Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Roll, %1 x %2 mm</source>
        <translation>Rolle, %1 x %2 mm</translation>
    </message>
    <message>
        <source>A4 sheet, 65 labels of 38.1 x 21.2 mm</source>
        <translation>A4-Bogen, 65 Etiketten zu 38,1 x 21,2 mm</translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation>Paketetiketten</translation>
    </message>
    <message>
        <source>the labels could not be drawn</source>
        <translation>die Etiketten konnten nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>LanguageChooser</name>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Wirkt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>LogFolder</name>
    <message>
        <source>Log Folder path is set to:
%1</source>
        <translation>Der Protokollordner ist:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation>Vaporin Regulon</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Select Program</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Log File Name</source>
        <translation>Name des Laufprotokolls</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Program Steps</source>
        <translation>Programmschritte</translation>
    </message>
    <message>
        <source>ADD A STEP</source>
        <translation>SCHRITT HINZUFÜGEN</translation>
    </message>
    <message>
        <source>Program Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>About us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>Vaporin, Example Street 1, 00000 Sample Town</source>
        <translation>Vaporin, Example Street 1, 00000 Sample Town</translation>
    </message>
    <message>
        <source>Tel. +00 000 000000</source>
        <translation>Tel. +00 000 000000</translation>
    </message>
    <message>
        <source>© Vaporin (sample maker). All rights reserved.</source>
        <translation>© Vaporin (Beispielhersteller). Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Vaporin — sterilisation made simple</source>
        <translation>Vaporin — Sterilisation leicht gemacht</translation>
    </message>
    <message>
        <source>Vaporin builds table-top steam autoclaves for medical practices, dental clinics and laboratories.</source>
        <translation>Vaporin baut Tisch-Dampfautoklaven für Arztpraxen, Zahnarztpraxen und Labore.</translation>
    </message>
    <message>
        <source>Our autoclaves sterilise instruments with saturated steam in programs that are easy to choose and safe to run.</source>
        <translation>Unsere Autoklaven sterilisieren Instrumente mit Sattdampf in Programmen, die leicht zu wählen und sicher auszuführen sind.</translation>
    </message>
    <message>
        <source>Every cycle is watched by the Regulon controller, and this station keeps a record of each run.</source>
        <translation>Jede Charge wird vom Regulon-Regler überwacht, und diese Station zeichnet jeden Lauf auf.</translation>
    </message>
    <message>
        <source>Find out more at www.vaporin.example</source>
        <translation>Mehr unter www.vaporin.example</translation>
    </message>
    <message>
        <source>Contact us with E-mail</source>
        <translation>Kontakt per E-Mail</translation>
    </message>
    <message>
        <source>Check if there is an Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>More products</source>
        <translation>Weitere Produkte</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Aufzeichnungen</translation>
    </message>
    <message>
        <source>Records (%1)</source>
        <translation>Aufzeichnungen (%1)</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>Protokollordner wählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Do you want to stop the running program?</source>
        <translation>Möchten Sie das laufende Programm stoppen?</translation>
    </message>
    <message>
        <source>
The station keeps the record and offers to save it again at its next start.</source>
        <translation>
Die Station behält die Aufzeichnung und bietet beim nächsten Start erneut an, sie zu speichern.</translation>
    </message>
    <message>
        <source>The run log was NOT saved.
Result of the run: %1</source>
        <translation>Das Laufprotokoll wurde NICHT gespeichert.
Ergebnis des Laufs: %1</translation>
    </message>
    <message>
        <source>A program is already running.
Do you want to start recording temperature?
Alert: The file that will be created afterwards won&apos;t contain the previous temperatures.</source>
        <translation>Es läuft bereits ein Programm.
Möchten Sie mit der Aufzeichnung der Temperatur beginnen?
Achtung: Die danach erstellte Datei enthält die bisherigen Temperaturen nicht.</translation>
    </message>
    <message>
        <source>Finished because of an error</source>
        <translation>Wegen eines Fehlers beendet</translation>
    </message>
    <message>
        <source>Do you want to save anyway?</source>
        <translation>Möchten Sie trotzdem speichern?</translation>
    </message>
    <message>
        <source>Program %1 &quot;%2&quot; saved to the controller.</source>
        <translation>Programm %1 „%2“ im Regler gespeichert.</translation>
    </message>
    <message>
        <source>Program finished! Saved to %1.txt</source>
        <translation>Programm beendet! Gespeichert unter %1.txt</translation>
    </message>
    <message>
        <source>Program cancelled! Saved to %1.txt</source>
        <translation>Programm abgebrochen! Gespeichert unter %1.txt</translation>
    </message>
    <message>
        <source>Connection lost! Program cancelled! Saved to %1.txt</source>
        <translation>Verbindung verloren! Programm abgebrochen! Gespeichert unter %1.txt</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Connecton Lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>The program has been modified.</source>
        <translation>Das Programm wurde geändert.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>No step!</source>
        <translation>Kein Schritt!</translation>
    </message>
    <message>
        <source>Must be at least 1 step.</source>
        <translation>Es muss mindestens 1 Schritt vorhanden sein.</translation>
    </message>
    <message>
        <source>Invalid Program!</source>
        <translation>Ungültiges Programm!</translation>
    </message>
    <message>
        <source>The temperature of the last step must be less than 80.0°C.</source>
        <translation>Die Temperatur des letzten Schritts muss unter 80,0°C liegen.</translation>
    </message>
    <message>
        <source>Add a cooling step at 80.0 °C or below as the last step.</source>
        <translation>Fügen Sie als letzten Schritt einen Abkühlschritt bei 80,0 °C oder darunter hinzu.</translation>
    </message>
    <message>
        <source>Sensor Error! Please restart the controller!</source>
        <translation>Sensorfehler! Bitte starten Sie den Regler neu!</translation>
    </message>
    <message>
        <source>Sensor Error! Please restart the controller!
Saved to %1.txt</source>
        <translation>Sensorfehler! Bitte starten Sie den Regler neu!
Gespeichert unter %1.txt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Do you want to start %1 program?</source>
        <translation>Möchten Sie das Programm %1 starten?</translation>
    </message>
</context>
<context>
    <name>NoFollowFile</name>
    <message>
        <source>%1 is a symbolic link. The station writes no record through a link; remove the link or choose another name.</source>
        <translation>%1 ist ein symbolischer Link. Die Station schreibt keine Aufzeichnung über einen Link; entfernen Sie den Link oder wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>OperatorAccounts</name>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation>Es gibt keinen Bediener „%1“.</translation>
    </message>
    <message>
        <source>The account of %1 is deactivated.</source>
        <translation>Das Konto von %1 ist deaktiviert.</translation>
    </message>
    <message>
        <source>There is no such operator.</source>
        <translation>Diesen Bediener gibt es nicht.</translation>
    </message>
    <message>
        <source>An operator&apos;s name has 1 to 80 characters, without line breaks.</source>
        <translation>Der Name eines Bedieners hat 1 bis 80 Zeichen, ohne Zeilenumbrüche.</translation>
    </message>
    <message>
        <source>Initials have 1 to 5 characters.</source>
        <translation>Kürzel haben 1 bis 5 Zeichen.</translation>
    </message>
    <message>
        <source>There is an operator &quot;%1&quot; already.</source>
        <translation>Es gibt bereits einen Bediener „%1“.</translation>
    </message>
    <message>
        <source>The PIN could not be hashed.</source>
        <translation>Für die PIN konnte kein Hash gebildet werden.</translation>
    </message>
    <message>
        <source>Another account was made meanwhile: try again.</source>
        <translation>Inzwischen wurde ein anderes Konto angelegt: Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The register keeps at least one active supervisor.</source>
        <translation>Das Register behält mindestens eine aktive Aufsicht.</translation>
    </message>
    <message numerus="yes">
        <source>The account of %1 is locked after %n wrong PINs until %2.</source>
        <translation>
            <numerusform>Das Konto von %1 ist nach %n falschen PIN bis %2 gesperrt.</numerusform>
            <numerusform>Das Konto von %1 ist nach %n falschen PINs bis %2 gesperrt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN. The account of %1 is locked for %n minutes.</source>
        <translation>
            <numerusform>Falsche PIN. Das Konto von %1 ist für %n Minute gesperrt.</numerusform>
            <numerusform>Falsche PIN. Das Konto von %1 ist für %n Minuten gesperrt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN for %1: %n more attempts before the account is locked.</source>
        <translation>
            <numerusform>Falsche PIN für %1: noch %n Versuch, bevor das Konto gesperrt wird.</numerusform>
            <numerusform>Falsche PIN für %1: noch %n Versuche, bevor das Konto gesperrt wird.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is no supervisor: only a supervisor signs this.</source>
        <translation>%1 ist keine Aufsicht: Nur eine Aufsicht unterschreibt dies.</translation>
    </message>
</context>
<context>
    <name>OperatorsDialog</name>
    <message>
        <source>Operators</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Initials:</source>
        <translation>&amp;Kürzel:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rolle:</translation>
    </message>
    <message>
        <source>A&amp;ctive</source>
        <translation>Akti&amp;v</translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation>Neue &amp;PIN:</translation>
    </message>
    <message>
        <source>For a new account or a PIN reset; at least 4 characters</source>
        <translation>Für ein neues Konto oder das Zurücksetzen der PIN; mindestens 4 Zeichen</translation>
    </message>
    <message>
        <source>Signed by a supervisor</source>
        <translation>Von einer Aufsicht unterschrieben</translation>
    </message>
    <message>
        <source>&amp;Supervisor:</source>
        <translation>Au&amp;fsicht:</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>P&amp;IN der Aufsicht:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Save &amp;changes</source>
        <translation>Änderungen &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Reset PIN</source>
        <translation>PIN &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Aufsicht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>No accounts yet: the first one made is a supervisor and needs no signature.</source>
        <translation>Noch keine Konten: Das erste angelegte Konto ist eine Aufsicht und braucht keine Unterschrift.</translation>
    </message>
    <message numerus="yes">
        <source>%n accounts.</source>
        <translation>
            <numerusform>%n Konto.</numerusform>
            <numerusform>%n Konten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackLabel</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>der Barcode-Bibliothek fehlt Speicher</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be encoded</source>
        <translation>„%1“ kann nicht codiert werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gave no bars</source>
        <translation>„%1“ ergab keine Striche</translation>
    </message>
    <message>
        <source>Ster. %1  Exp. %2</source>
        <translation>Ster. %1  Verf. %2</translation>
    </message>
</context>
<context>
    <name>PackStore</name>
    <message>
        <source>A pack type&apos;s name has 1 to 60 characters.</source>
        <translation>Der Name einer Verpackungsart hat 1 bis 60 Zeichen.</translation>
    </message>
    <message>
        <source>A shelf life is 1 to %1 days.</source>
        <translation>Eine Lagerdauer beträgt 1 bis %1 Tage.</translation>
    </message>
    <message>
        <source>A load has 1 to %1 packs.</source>
        <translation>Eine Beladung hat 1 bis %1 Sterilgutpakete.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>Es gibt keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>Labels are printed only for a cycle whose load is released.</source>
        <translation>Etiketten werden nur für eine Charge gedruckt, deren Beladung freigegeben ist.</translation>
    </message>
</context>
<context>
    <name>PackTypesDialog</name>
    <message>
        <source>Pack Types</source>
        <translation>Verpackungsarten</translation>
    </message>
    <message>
        <source>Pack type</source>
        <translation>Verpackungsart</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>A new type, or one of the list to change its shelf life</source>
        <translation>Eine neue Art oder eine der Liste, um ihre Lagerdauer zu ändern</translation>
    </message>
    <message>
        <source>&amp;Shelf life:</source>
        <translation>&amp;Lagerdauer:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Labels printed from now on expire this many days after sterilisation; labels printed before keep their date</source>
        <translation>Ab jetzt gedruckte Etiketten verfallen so viele Tage nach der Sterilisation; früher gedruckte Etiketten behalten ihr Datum</translation>
    </message>
    <message>
        <source>Signed by a supervisor</source>
        <translation>Von einer Aufsicht unterschrieben</translation>
    </message>
    <message>
        <source>Su&amp;pervisor:</source>
        <translation>Au&amp;fsicht:</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>P&amp;IN der Aufsicht:</translation>
    </message>
    <message>
        <source>Sa&amp;ve type</source>
        <translation>Art &amp;speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Verpackungsart</translation>
    </message>
    <message>
        <source>Shelf life (days)</source>
        <translation>Lagerdauer (Tage)</translation>
    </message>
    <message>
        <source>Only a supervisor changes pack types: make the first account, a supervisor, with Operators... first.</source>
        <translation>Nur eine Aufsicht ändert Verpackungsarten: Legen Sie zuerst mit Bediener... das erste Konto an, eine Aufsicht.</translation>
    </message>
    <message numerus="yes">
        <source>No types yet: every pack keeps %n days unless its type says otherwise.</source>
        <translation>
            <numerusform>Noch keine Arten: Jedes Paket hält %n Tag, sofern seine Art nichts anderes sagt.</numerusform>
            <numerusform>Noch keine Arten: Jedes Paket hält %n Tage, sofern seine Art nichts anderes sagt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A type not listed keeps %n days.</source>
        <translation>
            <numerusform>Eine nicht aufgeführte Art hält %n Tag.</numerusform>
            <numerusform>Eine nicht aufgeführte Art hält %n Tage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackUses</name>
    <message>
        <source>The register knows no pack of this code.</source>
        <translation>Das Register kennt kein Paket mit diesem Paketcode.</translation>
    </message>
    <message>
        <source>The pack %1 is recalled: its cycle was found faulty after its release. Take it out of use.</source>
        <translation>Das Paket %1 ist zurückgerufen: Seine Charge erwies sich nach der Freigabe als fehlerhaft. Nehmen Sie es aus dem Gebrauch.</translation>
    </message>
    <message>
        <source>The load of the pack %1 is not released (%2).</source>
        <translation>Die Beladung des Pakets %1 ist nicht freigegeben (%2).</translation>
    </message>
    <message>
        <source>no release</source>
        <translation>keine Freigabe</translation>
    </message>
    <message>
        <source>The pack %1 expired on %2.</source>
        <translation>Das Paket %1 ist am %2 verfallen.</translation>
    </message>
    <message>
        <source>The pack %1 was used already.</source>
        <translation>Das Paket %1 wurde bereits verwendet.</translation>
    </message>
    <message>
        <source>Scan or type the pack&apos;s code.</source>
        <translation>Scannen oder tippen Sie den Paketcode.</translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference.</source>
        <translation>Geben Sie die Patienten- oder Fallreferenz an.</translation>
    </message>
    <message>
        <source>Name the operator.</source>
        <translation>Nennen Sie den Bediener.</translation>
    </message>
    <message>
        <source>Say in the comment why it is used all the same.</source>
        <translation>Begründen Sie im Kommentar, warum es trotzdem verwendet wird.</translation>
    </message>
    <message>
        <source>The packs cannot be read.</source>
        <translation>Die Sterilgutpakete können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no use %1.</source>
        <translation>Es gibt keine Verwendung %1.</translation>
    </message>
</context>
<context>
    <name>PackVerifier</name>
    <message>
        <source>%1 does not match its hash</source>
        <translation>Der Hash passt nicht zu %1</translation>
    </message>
    <message>
        <source>operator account %1</source>
        <translation>Bedienerkonto %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>Paket %1</translation>
    </message>
    <message>
        <source>use %1 of pack %2</source>
        <translation>Verwendung %1 des Pakets %2</translation>
    </message>
    <message>
        <source>operator account %1 is not as its newest change made it</source>
        <translation>Bedienerkonto %1 entspricht nicht seiner neuesten Änderung</translation>
    </message>
</context>
<context>
    <name>PacksView</name>
    <message>
        <source>Use at the chair</source>
        <translation>Verwendung am Behandlungsstuhl</translation>
    </message>
    <message>
        <source>Patient or case &amp;reference:</source>
        <translation>Patienten- oder Fall&amp;referenz:</translation>
    </message>
    <message>
        <source>The chart number as the practice writes it; no names needed</source>
        <translation>Die Karteinummer, wie die Praxis sie schreibt; keine Namen nötig</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Bediener:</translation>
    </message>
    <message>
        <source>Pack &amp;code:</source>
        <translation>Paket&amp;code:</translation>
    </message>
    <message>
        <source>Scan the pack&apos;s label, or type its code and press Enter</source>
        <translation>Etikett des Pakets scannen oder seinen Code eingeben und Enter drücken</translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation>Ko&amp;mmentar:</translation>
    </message>
    <message>
        <source>Why the pack is used all the same</source>
        <translation>Warum das Paket trotzdem verwendet wird</translation>
    </message>
    <message>
        <source>&amp;Use all the same</source>
        <translation>&amp;Trotzdem verwenden</translation>
    </message>
    <message>
        <source>Labels and recall of the chosen cycle</source>
        <translation>Etiketten und Rückruf der gewählten Charge</translation>
    </message>
    <message>
        <source>&amp;Packs:</source>
        <translation>&amp;Pakete:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Verpackungsart:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>First free &amp;position:</source>
        <translation>Erste freie Pos&amp;ition:</translation>
    </message>
    <message>
        <source>Print &amp;labels...</source>
        <translation>&amp;Etiketten drucken...</translation>
    </message>
    <message>
        <source>Labels as P&amp;DF...</source>
        <translation>Etiketten als P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Recall report...</source>
        <translation>Rüc&amp;krufbericht...</translation>
    </message>
    <message>
        <source>Expired or expiring, not used: reprocess</source>
        <translation>Abgelaufen oder bald ablaufend, nicht verwendet: neu aufbereiten</translation>
    </message>
    <message>
        <source>Op&amp;erators...</source>
        <translation>Bedie&amp;ner...</translation>
    </message>
    <message>
        <source>The operator accounts who sign releases</source>
        <translation>Die Bedienerkonten, die Freigaben unterschreiben</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Instrument pouch</source>
        <translation>Sterilgutbeutel</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Verpackungsart</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Verfällt</translation>
    </message>
    <message>
        <source>Choose a cycle in the list of cycles.</source>
        <translation>Wählen Sie eine Charge in der Chargenliste.</translation>
    </message>
    <message>
        <source>Cycle %1 of %2: %3.</source>
        <translation>Charge %1 von %2: %3.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>released, labels can be printed</source>
        <translation>freigegeben, Etiketten können gedruckt werden</translation>
    </message>
    <message>
        <source>not released</source>
        <translation>nicht freigegeben</translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference first.</source>
        <translation>Geben Sie zuerst die Patienten- oder Fallreferenz an.</translation>
    </message>
    <message>
        <source>%1 entered as used at %2 by %3.</source>
        <translation>%1 als verwendet eingetragen um %2 von %3.</translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation>Paketetiketten</translation>
    </message>
    <message>
        <source>Save Labels</source>
        <translation>Etiketten speichern</translation>
    </message>
    <message>
        <source>labels %1-%2.pdf</source>
        <translation>Etiketten %1-%2.pdf</translation>
    </message>
    <message>
        <source>Entering the packs…</source>
        <translation>Die Pakete werden eingetragen…</translation>
    </message>
    <message>
        <source>No labels were made: %1</source>
        <translation>Es wurden keine Etiketten erstellt: %1</translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels were not printed: %3</source>
        <translation>Die Pakete %1 bis %2 sind eingetragen, aber ihre Etiketten wurden nicht gedruckt: %3</translation>
    </message>
    <message>
        <source>%1 labels, %2 to %3.</source>
        <translation>%1 Etiketten, %2 bis %3.</translation>
    </message>
    <message>
        <source>Save Recall Report</source>
        <translation>Rückrufbericht speichern</translation>
    </message>
    <message>
        <source>recall %1-%2.pdf</source>
        <translation>Rückruf %1-%2.pdf</translation>
    </message>
    <message>
        <source>The recall report is saved.</source>
        <translation>Der Rückrufbericht ist gespeichert.</translation>
    </message>
    <message>
        <source>Who opens the pack; type the first letters to choose</source>
        <translation>Wer das Paket öffnet; zum Auswählen die ersten Buchstaben tippen</translation>
    </message>
    <message>
        <source>Pack t&amp;ypes...</source>
        <translation>Verpackungs&amp;arten...</translation>
    </message>
    <message>
        <source>The clinic&apos;s pack types and their shelf lives</source>
        <translation>Die Verpackungsarten der Praxis und ihre Lagerdauer</translation>
    </message>
    <message>
        <source>Choose the operator first.</source>
        <translation>Wählen Sie zuerst den Bediener.</translation>
    </message>
</context>
<context>
    <name>PeriodReport</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Gestartet</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Latest release</source>
        <translation>Letzte Freigabe</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>not released</source>
        <translation>nicht freigegeben</translation>
    </message>
    <message>
        <source>Period report %1</source>
        <translation>Zeitraumbericht %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cycles</source>
        <translation>
            <numerusform>%n Charge</numerusform>
            <numerusform>%n Chargen</numerusform>
        </translation>
    </message>
    <message>
        <source>generated %1</source>
        <translation>erstellt %1</translation>
    </message>
    <message>
        <source>Cycle register: period report</source>
        <translation>Chargenregister: Zeitraumbericht</translation>
    </message>
    <message>
        <source>Report generated %1</source>
        <translation>Bericht erstellt %1</translation>
    </message>
    <message>
        <source>No cycles in this period.</source>
        <translation>Keine Chargen in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Cycles %1 (continued)</source>
        <translation>Chargen %1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Register positions when printed: %1</source>
        <translation>Registerpositionen beim Drucken: %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Chargen</translation>
    </message>
    <message>
        <source>Not released</source>
        <translation>Nicht freigegeben</translation>
    </message>
    <message>
        <source>newest release per cycle; reasons under every verdict but %1</source>
        <translation>neueste Freigabe je Charge; Begründung unter jeder Bewertung außer %1</translation>
    </message>
</context>
<context>
    <name>PinHash</name>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation>Eine PIN hat mindestens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>PinReader</name>
    <message>
        <source>A PIN is needed: run the command at a terminal, or give --pin-stdin and the PIN on standard input</source>
        <translation>Eine PIN wird benötigt: Führen Sie den Befehl an einem Terminal aus, oder geben Sie --pin-stdin und die PIN auf der Standardeingabe an</translation>
    </message>
    <message>
        <source>No PIN was given on standard input</source>
        <translation>Auf der Standardeingabe wurde keine PIN angegeben</translation>
    </message>
</context>
<context>
    <name>ProgramMemory</name>
    <message>
        <source>The program was not read completely from the controller. Please read the programs again before saving.</source>
        <translation>Das Programm wurde nicht vollständig vom Regler gelesen. Bitte lesen Sie die Programme vor dem Speichern erneut.</translation>
    </message>
    <message>
        <source>The program name is longer than %1 characters.</source>
        <translation>Der Programmname ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>A program has at most %1 steps; this one has %2.</source>
        <translation>Ein Programm hat höchstens %1 Schritte; dieses hat %2.</translation>
    </message>
    <message>
        <source>Step %1: the time must be between 0 and %2 minutes.</source>
        <translation>Schritt %1: Die Zeit muss zwischen 0 und %2 Minuten liegen.</translation>
    </message>
    <message>
        <source>Step %1: the temperature must be between 0 and %2 °C.</source>
        <translation>Schritt %1: Die Temperatur muss zwischen 0 und %2 °C liegen.</translation>
    </message>
</context>
<context>
    <name>ProgramStepItem</name>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>%1 minutes at %2 °C</source>
        <translation>%1 Minuten bei %2 °C</translation>
    </message>
</context>
<context>
    <name>ReadingWatch</name>
    <message>
        <source>no reading since %1</source>
        <translation>kein Messwert seit %1</translation>
    </message>
</context>
<context>
    <name>RecallReport</name>
    <message>
        <source>Recall report, generated %1</source>
        <translation>Rückrufbericht, erstellt %1</translation>
    </message>
    <message>
        <source>Cycle register: recall report</source>
        <translation>Chargenregister: Rückrufbericht</translation>
    </message>
    <message>
        <source>Cycle %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>Recall of cycle %1</source>
        <translation>Rückruf der Charge %1</translation>
    </message>
    <message>
        <source>(erased)</source>
        <translation>(gelöscht)</translation>
    </message>
    <message>
        <source>Used: the patients treated with a pack of this load</source>
        <translation>Verwendet: die mit einem Paket dieser Beladung behandelten Patienten</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Verpackungsart</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verwendet</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Patientenreferenz</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Not used: take these packs from the shelves</source>
        <translation>Nicht verwendet: diese Pakete aus den Regalen nehmen</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Verfallsdatum</translation>
    </message>
    <message>
        <source>controller %1</source>
        <translation>Regler %1</translation>
    </message>
</context>
<context>
    <name>RecordTransfer</name>
    <message>
        <source>%1 does not match its hash: it is not carried.</source>
        <translation>%1 stimmt nicht mit dem Hash überein und wird nicht übertragen.</translation>
    </message>
    <message>
        <source>The operator account %1 is gone from the register.</source>
        <translation>Das Bedienerkonto %1 ist aus dem Register verschwunden.</translation>
    </message>
    <message>
        <source>The operator account %1</source>
        <translation>Das Bedienerkonto %1</translation>
    </message>
    <message>
        <source>The pack %1 is gone from the register.</source>
        <translation>Das Paket %1 ist aus dem Register verschwunden.</translation>
    </message>
    <message>
        <source>The pack %1</source>
        <translation>Das Paket %1</translation>
    </message>
    <message>
        <source>The entry of the pack %1 is not in the register it goes to.</source>
        <translation>Der Eintrag des Pakets %1 ist nicht im Zielregister.</translation>
    </message>
    <message>
        <source>The use %1 is gone from the register.</source>
        <translation>Die Verwendung %1 ist aus dem Register verschwunden.</translation>
    </message>
    <message>
        <source>The use %1 of the pack %2</source>
        <translation>Die Verwendung %1 des Pakets %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommandLine</name>
    <message>
        <source>Say the format: --csv</source>
        <translation>Nennen Sie das Format: --csv</translation>
    </message>
    <message>
        <source>--witness-file &quot;%1&quot; cannot be read: %2</source>
        <translation>--witness-file „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The witness &quot;%1&quot; is no register position (of the form RG100001 #1234 d0fb04d1c3a2b4e5)</source>
        <translation>Der Beleg „%1“ ist keine Registerposition (der Form RG100001 #1234 d0fb04d1c3a2b4e5)</translation>
    </message>
    <message>
        <source>Witnesses are checked against the register, not against files</source>
        <translation>Belege werden gegen das Register geprüft, nicht gegen Dateien</translation>
    </message>
    <message>
        <source>--tsa-certificate goes with the whole register&apos;s verification, not with files</source>
        <translation>--tsa-certificate gehört zur Prüfung des ganzen Registers, nicht zu Dateien</translation>
    </message>
    <message>
        <source>The hold is missing: --hold T:M</source>
        <translation>Die Haltezeit fehlt: --hold T:M</translation>
    </message>
    <message>
        <source>The PDF file is missing: --pdf FILE</source>
        <translation>Die PDF-Datei fehlt: --pdf FILE</translation>
    </message>
    <message>
        <source>Give either an ID or a period</source>
        <translation>Geben Sie entweder eine ID oder einen Zeitraum an</translation>
    </message>
    <message>
        <source>Give an ID, or a period with --from and --to</source>
        <translation>Geben Sie eine ID an, oder einen Zeitraum mit --from und --to</translation>
    </message>
    <message>
        <source>Name the operator: --operator NAME</source>
        <translation>Nennen Sie den Bediener: --operator NAME</translation>
    </message>
    <message>
        <source>The decision is missing: --decision released|rejected|quarantined|recalled</source>
        <translation>Die Entscheidung fehlt: --decision released|rejected|quarantined|recalled</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no number from %3 to %4</source>
        <translation>--%1 „%2“ ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>The number of packs is missing: --packs N</source>
        <translation>Die Anzahl der Sterilgutpakete fehlt: --packs N</translation>
    </message>
    <message>
        <source>The pack type is missing: --type NAME</source>
        <translation>Die Verpackungsart fehlt: --type NAME</translation>
    </message>
    <message>
        <source>The patient&apos;s or case&apos;s reference is missing: --reference REF</source>
        <translation>Die Patienten- oder Fallreferenz fehlt: --reference REF</translation>
    </message>
    <message>
        <source>The CSV file is missing: --csv FILE</source>
        <translation>Die CSV-Datei fehlt: --csv FILE</translation>
    </message>
    <message>
        <source>Too many arguments</source>
        <translation>Zu viele Argumente</translation>
    </message>
    <message>
        <source>Give a type with its shelf life, NAME --days N, or neither</source>
        <translation>Geben Sie eine Verpackungsart mit ihrer Lagerdauer an, NAME --days N, oder keines von beiden</translation>
    </message>
    <message>
        <source>A supervisor signs the erasure: --by NAME</source>
        <translation>Eine Aufsicht unterschreibt das Löschen: --by NAME</translation>
    </message>
    <message>
        <source>--role &quot;%1&quot; is none of operator|supervisor</source>
        <translation>--role „%1“ ist keines von operator|supervisor</translation>
    </message>
    <message>
        <source>A new account takes --initials, --role and --by</source>
        <translation>Ein neues Konto nimmt --initials, --role und --by</translation>
    </message>
    <message>
        <source>The initials are missing: --initials TEXT</source>
        <translation>Die Kürzel fehlen: --initials TEXT</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of add|change|reset-pin</source>
        <translation>„%1“ ist keines von add|change|reset-pin</translation>
    </message>
    <message>
        <source>A supervisor signs the change: --by NAME</source>
        <translation>Eine Aufsicht unterschreibt die Änderung: --by NAME</translation>
    </message>
    <message>
        <source>reset-pin takes only --by</source>
        <translation>reset-pin nimmt nur --by</translation>
    </message>
    <message>
        <source>Give --activate or --deactivate, not both</source>
        <translation>Geben Sie --activate oder --deactivate an, nicht beides</translation>
    </message>
    <message>
        <source>Say where to: --to postgresql://...</source>
        <translation>Nennen Sie das Ziel: --to postgresql://...</translation>
    </message>
    <message>
        <source>--status takes no folder</source>
        <translation>--status nimmt keinen Ordner</translation>
    </message>
    <message>
        <source>--logs needs a folder</source>
        <translation>--logs braucht einen Ordner</translation>
    </message>
    <message>
        <source>%1. See vaporin-records --help</source>
        <translation>%1. Siehe vaporin-records --help</translation>
    </message>
    <message>
        <source>--register needs a file name or a connection URI</source>
        <translation>--register braucht einen Dateinamen oder eine Verbindungs-URI</translation>
    </message>
    <message>
        <source>No command given</source>
        <translation>Kein Befehl angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command</source>
        <translation>„%1“ ist kein Befehl</translation>
    </message>
    <message>
        <source>--%1 does not go with %2</source>
        <translation>--%1 passt nicht zu %2</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>An argument is missing</source>
        <translation>Ein Argument fehlt</translation>
    </message>
    <message>
        <source>Too many arguments: %1</source>
        <translation>Zu viele Argumente: %1</translation>
    </message>
    <message>
        <source>%1. Usage: vaporin-records %2</source>
        <translation>%1. Aufruf: vaporin-records %2</translation>
    </message>
    <message>
        <source>The ID &quot;%1&quot; is no entry&apos;s ID (a whole number from 1, as list shows it)</source>
        <translation>Die ID „%1“ ist keine Eintrags-ID (eine ganze Zahl ab 1, wie list sie zeigt)</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no date of the form yyyy-MM-dd</source>
        <translation>--%1 „%2“ ist kein Datum der Form yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 liegt nach --to %2</translation>
    </message>
    <message>
        <source>--hold &quot;%1&quot; is no hold: give T:M, the temperature in °C (0 to %2) and the minutes (0 to %3), e.g. 121:20</source>
        <translation>--hold „%1“ ist keine Haltezeit: Geben Sie T:M an, die Temperatur in °C (0 bis %2) und die Minuten (0 bis %3), z. B. 121:20</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no tolerance: give kelvin from 0 to %3, e.g. 0.5</source>
        <translation>--%1 „%2“ ist keine Toleranz: Geben Sie Kelvin von 0 bis %3 an, z. B. 0.5</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is none of %3</source>
        <translation>--%1 „%2“ ist keines von %3</translation>
    </message>
    <message>
        <source>Usage: vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

The records tool of the Vaporin Regulon station: imports run logs into the
cycle register, lists and exports its cycles, verifies that nothing in it or
in its logs was altered, and gives verdicts and reports.

It works on the station&apos;s register or on the one given with --register:
a register FILE, or a database on a PostgreSQL server as a connection URI,
postgresql://[user@][host][:port][/database][?name=value&amp;...] (the host may
be the folder of a Unix socket: ?host=/var/run/postgresql). The station&apos;s
register is the one its settings name: register/driver sqlite (the default)
means the file of the setting register_path, otherwise register.sqlite in
the station&apos;s data folder; postgresql means the server of register/host,
register/port, register/database and register/user. A password is never
given on the command line or in the settings: libpq takes it from
PGPASSWORD or the password file ~/.pgpass. Only import makes a register
file that does not exist yet; a server&apos;s database must exist, and its
tables are made when the tool first works on it.

Commands:
  import FOLDER
      Enters the run logs in FOLDER and its subfolders. Prints the number of
      logs imported, already present (the same content, whatever the file
      name), differing from their entry (a cycle the register holds, the
      same controller, cycle number and start, with another log; not
      entered) and unreadable, each differing or unreadable file with the
      entry or the reason. Exit status 0, or 1 when files were differing
      or unreadable.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      The cycles, newest first, as an aligned table (ID, start, program,
      cycle number, controller, status, origin, verdict, release) or as
      CSV. The verdict is PASS, FAIL or NOT EVALUATED as the register
      stored it; the release is the newest decision (Released, Rejected,
      Quarantined), &quot;waiting&quot; for a cycle the station recorded that has
      none yet, or &quot;-&quot; (imported logs and discarded runs wait for none).
      The first column
      is the entry&apos;s ID, which the other commands take. DATE is yyyy-MM-dd in
      this computer&apos;s local time: --from counts from the start of its day,
      --to to the end of its day. --program takes the program&apos;s exact name.

  export ID --csv
      The samples of entry ID as CSV: time of day, elapsed seconds,
      temperature in °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Without files: checks every entry against its hash, every
      controller&apos;s chain of entries, the samples and every log file the
      register names. Prints each problem on a line of its own, starting
      with ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, CONTRADICTED or
      UNVERIFIED, then which hash scheme covers how many entries, and a
      summary.
      Each stored verdict is judged again from the entry&apos;s samples by the
      band stored with it (which the hash of an entry of scheme 2 covers),
      and each release is checked like the entries: against its hash
      (which covers the entry and the verdict it was made on) and its place
      in the cycle&apos;s release history. Every audit event is checked against
      its hash, and the ledger, which links every entry, release, event,
      pack and use into its controller&apos;s chain: a record removed, altered or added past
      the program shows there.
      --witness TEXT (repeatable) checks that the register still passes
      through a position printed on a report or release printout, such as
      &quot;RG100001 #1234 d0fb04d1c3a2b4e5&quot;; --witness-file FILE takes one
      position per line (blank lines and lines starting with # are left
      out). A witness that the register no longer holds, or holds with
      another hash, is a CONTRADICTED line: newer records were removed, or
      the history up to it rewritten. Operator accounts, packs and their
      uses are checked against their own hashes too (an erased patient
      reference still checks).
      On a server, every controller&apos;s chain is checked, and the log files
      of the entries this computer entered: the others lie on the stations
      that wrote them, and verify there checks them.
      Every time stamp the register holds is checked against the
      certificate of the time-stamp authority (PEM) of --tsa-certificate,
      or else of the setting register/tsa_certificate: one that does not
      verify is UNVERIFIED. Every chain position a stamp names must still
      be on its chain, or it is CONTRADICTED. Prints how many stamps were
      checked and the newest time they prove.
      With files: checks each file by its content and prints one line:
        OK FILE: ENTRY            the register holds this log as ENTRY
        ALTERED FILE: ENTRY       the register holds a log of this file name,
                                  with other content, as ENTRY
        UNKNOWN FILE              the register holds neither
        UNREADABLE FILE: REASON   the file cannot be read
      Exit status 0 only when everything checked is intact, otherwise 1.

  check FILE --hold T:M [--lower K] [--band K]
      The verdict of the run log FILE against a hold of M minutes at T °C:
      one line that starts with PASS, FAIL or NOT EVALUATED and gives the
      reason. The band runs from T - K (--lower) to T + K (--band); the
      defaults are the settings verdict/lower_tolerance and
      verdict/upper_band (0.0 K and 3.0 K unless set). A hold of 0 minutes
      is NOT EVALUATED. Exit status 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Appends a release to the history of entry ID: who decided what about
      its load, with the chemical (--ci) and biological (--bi) indicators
      (both &quot;unused&quot; unless given), what the load held and its lot number.
      Nothing is ever overwritten: a later result, the biological
      indicator&apos;s a day on, is another release; &quot;recalled&quot; is the decision
      for a cycle found faulty after its release. The load of a cycle whose
      verdict is FAIL or NOT EVALUATED is released only with --comment
      saying why; a load whose chemical indicator failed or whose
      biological indicator is positive is not sterile and is never
      released. Once the register has operator accounts, NAME is an
      account&apos;s and the release is signed with its PIN, asked for on the
      terminal without echo (or read as a line of standard input with
      --pin-stdin; never an option); releasing the load of a FAIL or NOT
      EVALUATED cycle then takes a supervisor. Five wrong PINs in a row
      lock the account for 5 minutes. Prints the release&apos;s place in the
      history.

  operators
      The operator accounts: name, initials, role, and whether active,
      deactivated or locked.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Adds an operator account (the register&apos;s first is a supervisor and
      needs no --by), changes one, or gives it a new PIN (which also ends a
      lock-out). Every change is signed by the supervisor --by with the PIN
      and is an event of the audit trail; accounts are deactivated, never
      deleted. PINs are asked for as release asks: the supervisor&apos;s first,
      then the new PIN twice. A PIN has at least 4 characters and is kept
      only as a slow salted hash (scrypt).

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Enters N packs of entry ID into the register and writes their labels
      as the PDF FILE: each a pack code (&quot;RG100001-0042-03&quot;: controller,
      cycle number, pack number) as a Code 128 barcode and as text, the
      pack type NAME, the sterilisation date, the expiry date (the type&apos;s
      shelf life, 180 days unless the clinic&apos;s list of pack types says
      otherwise), the initials of the operator who released the load, the
      controller, the program and the verdict. Only for a cycle whose newest
      release is &quot;released&quot;. The formats: label-printer rolls of 62 x 29,
      57 x 32 and 50 x 25 mm (the default 62x29), one label a page, or A4
      sheets of 65 labels of 38.1 x 21.2 mm (a4-65), filled from position
      --first (1 to 65, row by row; 1 unless given) so that a half-used
      sheet is used up. Prints the codes and where the file is.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Enters the use of the pack CODE at the chair for the patient&apos;s or
      case&apos;s reference REF (a chart number; no names needed) by the
      operator (an active account&apos;s name once the register has accounts).
      A recalled pack is refused with the reason. A pack that is unknown,
      not released, expired or used already is entered only with --comment
      saying why; the warning is kept with the use.

  recall ID --pdf FILE [--csv FILE]
      The recall report of entry ID, usually a cycle released as
      &quot;recalled&quot;: its packs used (when, the patient&apos;s reference, by whom)
      and not used (to be taken from the shelves), as the PDF FILE and, with
      --csv, as CSV too. The only output that names patients&apos; references.

  expiring [--days N]
      The packs not used that expire within N days (14 unless given) or
      have expired: to be reprocessed.

  pack-types [NAME --days N]
      The clinic&apos;s pack types with their shelf lives; with NAME and --days,
      adds the type or sets its shelf life (1 to 3650 days) first, with an
      audit event. A type not in the list has a shelf life of 180 days.

  erase-reference REF --by NAME [--pin-stdin]
      Erases the patient&apos;s reference REF from every use that names it, on
      request, signed by the supervisor NAME with the PIN. The uses keep a
      keyed hash of it, which their own hashes cover, so that they still
      prove themselves.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Writes the cycle report of entry ID (its verdict as stored, its curve
      and its whole release history), or the period report of the cycles
      that started from the first DATE to the second (both days included;
      each cycle with its verdict and newest release), as the PDF FILE, and
      prints where.

  migrate --to URI
      Moves the station&apos;s register file (or the register of --register)
      into the register at URI, usually the clinic&apos;s server; a FILE works
      too. Every entry keeps its content and is entered as the target&apos;s
      own: a new ID, the next place in its controller&apos;s chain there, a hash
      of its own, its verdict judged by the band it was judged by before;
      its event &quot;cycle migrated&quot; names the entry&apos;s ID and hash in the
      source. The release histories, the audit trail, the operator
      accounts, the pack types, the packs and their uses go along; packs
      and uses, as entries, become links of their controller&apos;s chain there
      with hashes of their own. Entries the target holds already (the same
      log, or the same controller, cycle number and start), and releases,
      events, accounts (by name), pack types (by name), packs (by code) and
      uses (by code, time and operator) it holds already, are not added
      again, so running it twice adds nothing; an account the target holds
      is brought to the source&apos;s state when that is newer, and a reference
      erased in the source is erased in the target. Prints the number of
      each kind carried and already there. A register whose records are not
      intact is not moved: its problems are printed as verify prints them,
      exit status 1.

  backup [FOLDER]
      Backs the register file up into FOLDER, or into the folder of the
      setting backup/folder (chosen in the Records tab), while the station
      may go on writing: a consistent copy of the register, the run logs it
      names that the folder does not hold yet (into FOLDER/logs/, copied
      once and never rewritten), verified where it lies (SQLite&apos;s integrity
      check, and verify&apos;s checks against the copied logs) and only then
      named register-&lt;UTC time&gt;.sqlite. The newest backup of each of the
      last 14 days (backup/daily) and of each of the last 12 months
      (backup/monthly) is kept; older ones are removed after a newer one
      is verified. The folder must exist: a disk that is not plugged in
      is an error, not a new folder. Prints the backup&apos;s file, its entries
      and the logs copied, and a line DIFFERS LOG for each log that differs
      from its copy in the backup (the copy is kept). Every backup and
      every failed attempt is recorded in the audit trail. Exit status 0,
      1 when logs differ, 2 when the backup failed.

  backup --status
      Prints &quot;Last verified backup: DAY, TIME&quot; with its file in brackets
      (DAY: today, yesterday or the date), or &quot;No verified backup yet.&quot;,
      then a line starting with &quot;Warning:&quot; when none is newer than 7 days
      (backup/overdue_days), when the last attempt failed, and for each
      log that differs from its copy. Exit status 0, or 1 with a warning.

  restore BACKUP [--logs FOLDER] [--force]
      Restores a backup file, or the newest backup in the folder BACKUP,
      as the register file (the station&apos;s, or --register FILE), and its
      logs into FOLDER, or where the register names them when --logs is
      not given; a file that is there already is never overwritten (a
      DIFFERS line says when it is not the one entered). Then verifies the
      restored register against the restored logs and prints as verify
      does; the restore is an event of the restored register&apos;s audit
      trail. A register that holds entries the backup lacks is not replaced:
      they are listed (NOT IN THE BACKUP: ENTRY) and the exit status is 1;
      --force replaces it and keeps it beside the restored one as
      FILE.replaced-&lt;UTC time&gt;. Close the station first.

  window
      Opens the records window on the register, as the station shows it in
      its Records tab: search, curves, details, the audit trail, releases,
      reports, exports and settings, for a desk without an autoclave. It
      never opens a serial port. Needs a display; ends when the window is
      closed.

CSV is RFC 4180: UTF-8, a header row, CRLF line ends. A text beginning with
=, +, -, @, a tab or a carriage return that is no plain number begins with an
apostrophe inside its quotes, so that spreadsheets show it as text.

Messages, questions, this help and the reports are in the language of the
station&apos;s setting Language (German or Français; English otherwise). What
scripts read stays English in every language: the commands and options, the
tables of list, operators, pack-types and expiring, CSV, the keyword that
starts a line (OK, ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, UNKNOWN,
CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED, NOT IN THE BACKUP, PASS, FAIL,
NOT EVALUATED), the whole lines of the files verify checks and of NOT IN THE
BACKUP, and the exit status.

Exit status:
  0  success: done, everything checked is intact, PASS
  1  problems found: files not imported, entries or logs not intact, FAIL
  2  a usage error, a release the rules refuse, or the register, a file or
     the output could not be read or written; the message is on standard
     error
  3  NOT EVALUATED

Options:
  --register FILE|URI  the register to work on instead of the station&apos;s
  -h, --help           this text
  --version            the tool&apos;s version
</source>
        <translation>Aufruf: vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

Das Registerwerkzeug der Station Vaporin Regulon: importiert Laufprotokolle
in das Chargenregister, listet und exportiert seine Chargen, prüft, dass
nichts darin oder in seinen Laufprotokollen verändert wurde, und liefert
Bewertungen und Berichte.

Es arbeitet auf dem Register der Station oder auf dem mit --register
angegebenen: einer Registerdatei FILE oder einer Datenbank auf einem
PostgreSQL-Server als Verbindungs-URI,
postgresql://[user@][host][:port][/database][?name=value&amp;...] (der Host
kann der Ordner eines Unix-Sockets sein: ?host=/var/run/postgresql). Das
Register der Station ist das, welches ihre Einstellungen nennen:
register/driver sqlite (die Voreinstellung) bedeutet die Datei der
Einstellung register_path, sonst register.sqlite im Datenordner der
Station; postgresql bedeutet den Server aus register/host, register/port,
register/database und register/user. Ein Passwort wird nie auf der
Befehlszeile oder in den Einstellungen angegeben: libpq nimmt es aus
PGPASSWORD oder der Passwortdatei ~/.pgpass. Nur import legt eine
Registerdatei an, die es noch nicht gibt; die Datenbank eines Servers muss
existieren, ihre Tabellen werden angelegt, wenn das Werkzeug zum ersten Mal
auf ihr arbeitet.

Befehle:
  import FOLDER
      Trägt die Laufprotokolle in FOLDER und seinen Unterordnern ein. Gibt
      die Anzahl der Laufprotokolle aus: importiert, bereits vorhanden (der
      gleiche Inhalt, gleich unter welchem Dateinamen), abweichend von ihrem
      Eintrag (eine Charge, die das Register enthält, derselbe Regler,
      dieselbe Chargennummer und derselbe Start, mit einem anderen
      Laufprotokoll; nicht eingetragen) und nicht lesbar, jede abweichende
      oder nicht lesbare Datei mit dem Eintrag oder dem Grund.
      Rückgabewert 0, oder 1, wenn Dateien abwichen oder nicht lesbar waren.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      Die Chargen, die neueste zuerst, als ausgerichtete Tabelle (ID, Start,
      Programm, Chargennummer, Regler, Status, Herkunft, Bewertung,
      Freigabe) oder als CSV. Die Bewertung ist PASS, FAIL oder NOT
      EVALUATED, wie das Register sie gespeichert hat; die Freigabe ist die
      neueste Entscheidung (Released, Rejected, Quarantined), &quot;waiting&quot; für
      eine von der Station aufgezeichnete Charge, die noch keine hat, oder
      &quot;-&quot; (importierte Laufprotokolle und verworfene Läufe warten auf
      keine). Die erste Spalte ist die ID des Eintrags, die die anderen
      Befehle nehmen. DATE ist yyyy-MM-dd in der Ortszeit dieses Computers:
      --from zählt ab Beginn seines Tages, --to bis zum Ende seines Tages.
      --program nimmt den genauen Namen des Programms.

  export ID --csv
      Die Messwerte des Eintrags ID als CSV: Uhrzeit, verstrichene
      Sekunden, Temperatur in °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Ohne Dateien: prüft jeden Eintrag gegen seinen Hash, die Kette der
      Einträge jedes Reglers, die Messwerte und jede Laufprotokolldatei,
      die das Register nennt. Gibt jedes Problem auf einer eigenen Zeile
      aus, beginnend mit ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE,
      CONTRADICTED oder UNVERIFIED, dann, welches Hash-Schema wie viele
      Einträge abdeckt, und eine Zusammenfassung.
      Jede gespeicherte Bewertung wird aus den Messwerten des Eintrags neu
      beurteilt, mit dem mit ihr gespeicherten Band (das der Hash eines
      Eintrags des Schemas 2 abdeckt), und jede Freigabe wird wie die
      Einträge geprüft: gegen ihren Hash (der den Eintrag und die Bewertung
      abdeckt, auf der sie beruht) und ihren Platz in der Freigabegeschichte
      der Charge. Jedes Ereignis des Prüfpfads wird gegen seinen Hash
      geprüft, ebenso das Kettenbuch, das jeden Eintrag, jede Freigabe,
      jedes Ereignis, jedes Sterilgutpaket und jede Verwendung in die Kette
      seines Reglers einreiht: Ein am Programm vorbei entfernter, veränderter
      oder hinzugefügter Datensatz zeigt sich dort.
      --witness TEXT (wiederholbar) prüft, dass das Register noch durch eine
      auf einem Bericht oder Freigabeausdruck gedruckte Position geht, etwa
      &quot;RG100001 #1234 d0fb04d1c3a2b4e5&quot;; --witness-file FILE nimmt eine
      Position je Zeile (leere Zeilen und Zeilen, die mit # beginnen,
      bleiben außen vor). Ein Beleg, den das Register nicht mehr enthält
      oder mit einem anderen Hash enthält, ist eine CONTRADICTED-Zeile:
      Neuere Datensätze wurden entfernt, oder die Geschichte bis dahin wurde
      umgeschrieben. Bedienerkonten, Sterilgutpakete und ihre Verwendungen
      werden ebenfalls gegen ihre eigenen Hashes geprüft (eine gelöschte
      Patientenreferenz prüft sich weiterhin).
      Auf einem Server wird die Kette jedes Reglers geprüft, und die
      Laufprotokolldateien der Einträge, die dieser Computer eingetragen
      hat: Die anderen liegen auf den Stationen, die sie geschrieben haben,
      und verify prüft sie dort.
      Jeder Zeitstempel, den das Register enthält, wird gegen das
      Zertifikat der Zeitstempelstelle (PEM) aus --tsa-certificate geprüft,
      sonst aus der Einstellung register/tsa_certificate: Einer, der die
      Prüfung nicht besteht, ist UNVERIFIED. Jede Kettenposition, die ein
      Zeitstempel nennt, muss noch auf ihrer Kette liegen, sonst ist sie
      CONTRADICTED. Gibt aus, wie viele Zeitstempel geprüft wurden und die
      neueste Zeit, die sie nachweisen.
      Mit Dateien: prüft jede Datei nach ihrem Inhalt und gibt eine Zeile aus:
        OK FILE: ENTRY            das Register enthält dieses Laufprotokoll
                                  als ENTRY
        ALTERED FILE: ENTRY       das Register enthält ein Laufprotokoll
                                  dieses Dateinamens mit anderem Inhalt als
                                  ENTRY
        UNKNOWN FILE              das Register enthält keines von beiden
        UNREADABLE FILE: REASON   die Datei kann nicht gelesen werden
      Rückgabewert 0 nur, wenn alles Geprüfte unversehrt ist, sonst 1.

  check FILE --hold T:M [--lower K] [--band K]
      Die Bewertung des Laufprotokolls FILE gegen eine Haltezeit von M
      Minuten bei T °C: eine Zeile, die mit PASS, FAIL oder NOT EVALUATED
      beginnt und den Grund nennt. Das Band reicht von T - K (--lower) bis
      T + K (--band); die Voreinstellungen sind die Einstellungen
      verdict/lower_tolerance und verdict/upper_band (0.0 K und 3.0 K, wenn
      nicht gesetzt). Eine Haltezeit von 0 Minuten ist NOT EVALUATED.
      Rückgabewert 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Hängt eine Freigabe an die Geschichte des Eintrags ID an: wer was über
      seine Beladung entschieden hat, mit dem Chemoindikator (--ci) und dem
      Bioindikator (--bi) (beide &quot;unused&quot;, wenn nicht angegeben), was die
      Beladung enthielt und ihre Losnummer. Nichts wird je überschrieben:
      Ein späteres Ergebnis, das des Bioindikators einen Tag danach, ist
      eine weitere Freigabe; &quot;recalled&quot; ist die Entscheidung für eine
      Charge, die sich nach ihrer Freigabe als fehlerhaft erweist. Die
      Beladung einer Charge, deren Bewertung FAIL oder NOT EVALUATED ist,
      wird nur mit --comment freigegeben, das den Grund nennt; eine
      Beladung, deren Chemoindikator nicht bestanden hat oder deren
      Bioindikator positiv ist, ist nicht steril und wird nie freigegeben.
      Sobald das Register Bedienerkonten hat, ist NAME der eines Kontos,
      und die Freigabe wird mit dessen PIN unterschrieben, die am Terminal
      ohne Echo abgefragt wird (oder mit --pin-stdin als Zeile der
      Standardeingabe gelesen; nie eine Option); die Beladung einer FAIL-
      oder NOT-EVALUATED-Charge freizugeben braucht dann eine Aufsicht.
      Fünf falsche PINs in Folge sperren das Konto für 5 Minuten. Gibt den
      Platz der Freigabe in der Geschichte aus.

  operators
      Die Bedienerkonten: Name, Kürzel, Rolle, und ob aktiv, deaktiviert
      oder gesperrt.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Legt ein Bedienerkonto an (das erste des Registers ist eine Aufsicht
      und braucht kein --by), ändert eines oder gibt ihm eine neue PIN (was
      auch eine Sperre beendet). Jede Änderung wird von der Aufsicht --by
      mit der PIN unterschrieben und ist ein Ereignis des Prüfpfads; Konten
      werden deaktiviert, nie gelöscht. PINs werden abgefragt wie bei
      release: zuerst die der Aufsicht, dann die neue PIN zweimal. Eine PIN
      hat mindestens 4 Zeichen und wird nur als langsamer, gesalzener Hash
      (scrypt) aufbewahrt.

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Trägt N Sterilgutpakete des Eintrags ID in das Register ein und
      schreibt ihre Etiketten als PDF-Datei FILE: jedes mit einem Paketcode
      (&quot;RG100001-0042-03&quot;: Regler, Chargennummer, Paketnummer) als
      Code-128-Strichcode und als Text, der Verpackungsart NAME, dem
      Sterilisationsdatum, dem Verfallsdatum (die Lagerdauer der Art, 180
      Tage, sofern die Liste der Verpackungsarten der Praxis nichts anderes
      sagt), den Kürzeln des Bedieners, der die Beladung freigegeben hat,
      dem Regler, dem Programm und der Bewertung. Nur für eine Charge, deren
      neueste Freigabe &quot;released&quot; ist. Die Formate: Etikettendrucker-Rollen
      von 62 x 29, 57 x 32 und 50 x 25 mm (Voreinstellung 62x29), ein
      Etikett je Seite, oder A4-Bögen mit 65 Etiketten von 38,1 x 21,2 mm
      (a4-65), gefüllt ab Position --first (1 bis 65, Zeile für Zeile; 1,
      wenn nicht angegeben), damit ein halb benutzter Bogen aufgebraucht
      wird. Gibt die Codes aus und wo die Datei liegt.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Trägt die Verwendung des Pakets CODE am Behandlungsstuhl für die
      Patienten- oder Fallreferenz REF (eine Karteinummer; keine Namen
      nötig) durch den Bediener ein (den Namen eines aktiven Kontos, sobald
      das Register Konten hat). Ein zurückgerufenes Paket wird mit dem Grund
      abgewiesen. Ein Paket, das unbekannt, nicht freigegeben, verfallen
      oder bereits verwendet ist, wird nur mit --comment eingetragen, das
      den Grund nennt; die Warnung wird mit der Verwendung aufbewahrt.

  recall ID --pdf FILE [--csv FILE]
      Der Rückrufbericht des Eintrags ID, meist einer als &quot;recalled&quot;
      freigegebenen Charge: ihre verwendeten Pakete (wann, die
      Patientenreferenz, durch wen) und die nicht verwendeten (aus den
      Regalen zu nehmen), als PDF-Datei FILE und mit --csv auch als CSV. Die
      einzige Ausgabe, die Patientenreferenzen nennt.

  expiring [--days N]
      Die nicht verwendeten Pakete, die innerhalb von N Tagen (14, wenn nicht
      angegeben) verfallen oder verfallen sind: neu aufzubereiten.

  pack-types [NAME --days N]
      Die Verpackungsarten der Praxis mit ihrer Lagerdauer; mit NAME und
      --days wird zuvor die Art hinzugefügt oder ihre Lagerdauer (1 bis 3650
      Tage) gesetzt, mit einem Ereignis des Prüfpfads. Eine Art, die nicht in
      der Liste steht, hat eine Lagerdauer von 180 Tagen.

  erase-reference REF --by NAME [--pin-stdin]
      Löscht auf Verlangen die Patientenreferenz REF aus jeder Verwendung,
      die sie nennt, unterschrieben von der Aufsicht NAME mit der PIN. Die
      Verwendungen behalten einen geschlüsselten Hash davon, den ihre
      eigenen Hashes abdecken, sodass sie sich weiterhin selbst nachweisen.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Schreibt das Chargenprotokoll des Eintrags ID (seine Bewertung wie
      gespeichert, seine Kurve und seine ganze Freigabegeschichte) oder den
      Zeitraumbericht der Chargen, die vom ersten DATE bis zum zweiten
      gestartet sind (beide Tage eingeschlossen; jede Charge mit ihrer
      Bewertung und neuesten Freigabe), als PDF-Datei FILE und gibt aus, wo.

  migrate --to URI
      Überträgt die Registerdatei der Station (oder das Register von
      --register) in das Register unter URI, meist den Server der Praxis;
      eine Datei FILE geht auch. Jeder Eintrag behält seinen Inhalt und wird
      als eigener des Ziels eingetragen: eine neue ID, der nächste Platz in
      der Kette seines Reglers dort, ein eigener Hash, seine Bewertung nach
      dem Band beurteilt, nach dem sie vorher beurteilt wurde; sein Ereignis
      &quot;cycle migrated&quot; nennt ID und Hash des Eintrags in der Quelle. Die
      Freigabegeschichten, der Prüfpfad, die Bedienerkonten, die
      Verpackungsarten, die Sterilgutpakete und ihre Verwendungen gehen mit;
      Pakete und Verwendungen werden wie Einträge Glieder der Kette ihres
      Reglers dort, mit eigenen Hashes. Einträge, die das Ziel bereits
      enthält (dasselbe Laufprotokoll, oder derselbe Regler, dieselbe
      Chargennummer und derselbe Start), sowie Freigaben, Ereignisse, Konten
      (nach Name), Verpackungsarten (nach Name), Pakete (nach Paketcode) und
      Verwendungen (nach Paketcode, Zeit und Bediener), die es bereits
      enthält, werden nicht erneut hinzugefügt; ein zweiter Aufruf fügt also
      nichts hinzu. Ein Konto, das das Ziel enthält, wird auf den Stand der
      Quelle gebracht, wenn dieser neuer ist, und eine in der Quelle
      gelöschte Patientenreferenz wird im Ziel gelöscht. Gibt für jede Art
      aus, wie viele übertragen wurden und wie viele schon da waren. Ein
      Register, dessen Datensätze nicht unversehrt sind, wird nicht
      übertragen: Seine Probleme werden ausgegeben wie bei verify,
      Rückgabewert 1.

  backup [FOLDER]
      Sichert die Registerdatei in FOLDER oder in den Ordner der Einstellung
      backup/folder (im Register-Reiter gewählt), während die Station
      weiterschreiben darf: eine konsistente Kopie des Registers, die von
      ihm genannten Laufprotokolle, die der Ordner noch nicht enthält (nach
      FOLDER/logs/, einmal kopiert und nie neu geschrieben), geprüft, wo sie
      liegt (die Integritätsprüfung von SQLite und die Prüfungen von verify
      gegen die kopierten Laufprotokolle), und erst dann
      register-&lt;UTC-Zeit&gt;.sqlite genannt. Die neueste Sicherung jedes der
      letzten 14 Tage (backup/daily) und jedes der letzten 12 Monate
      (backup/monthly) wird behalten; ältere werden entfernt, nachdem eine
      neuere geprüft ist. Der Ordner muss existieren: Ein nicht
      angeschlossener Datenträger ist ein Fehler, kein neuer Ordner. Gibt
      die Datei der Sicherung, ihre Einträge und die kopierten
      Laufprotokolle aus, und eine Zeile DIFFERS LOG für jedes
      Laufprotokoll, das von seiner Kopie in der Sicherung abweicht (die
      Kopie wird behalten). Jede Sicherung und jeder fehlgeschlagene
      Versuch wird im Prüfpfad verzeichnet. Rückgabewert 0, 1, wenn
      Laufprotokolle abweichen, 2, wenn die Sicherung fehlgeschlagen ist.

  backup --status
      Gibt &quot;Letzte geprüfte Sicherung: TAG, ZEIT&quot; mit ihrer Datei in
      Klammern aus (TAG: heute, gestern oder das Datum) oder &quot;Noch keine
      geprüfte Sicherung.&quot;, dann eine Zeile, die mit &quot;Warnung:&quot; beginnt,
      wenn keine neuer als 7 Tage ist (backup/overdue_days), wenn der
      letzte Versuch fehlgeschlagen ist, und für jedes Laufprotokoll, das
      von seiner Kopie abweicht. Rückgabewert 0, oder 1 mit einer Warnung.

  restore BACKUP [--logs FOLDER] [--force]
      Stellt eine Sicherungsdatei, oder die neueste Sicherung im Ordner
      BACKUP, als Registerdatei wieder her (die der Station, oder --register
      FILE), und ihre Laufprotokolle in FOLDER, oder dorthin, wo das
      Register sie nennt, wenn --logs nicht angegeben ist; eine bereits
      vorhandene Datei wird nie überschrieben (eine DIFFERS-Zeile sagt,
      wenn sie nicht die eingetragene ist). Prüft dann das
      wiederhergestellte Register gegen die wiederhergestellten
      Laufprotokolle und gibt aus wie verify; die Wiederherstellung ist ein
      Ereignis des Prüfpfads des wiederhergestellten Registers. Ein
      Register, das Einträge enthält, die der Sicherung fehlen, wird nicht
      ersetzt: Sie werden aufgelistet (NOT IN THE BACKUP: ENTRY), und der
      Rückgabewert ist 1; --force ersetzt es und behält es neben dem
      wiederhergestellten als FILE.replaced-&lt;UTC-Zeit&gt;. Schließen Sie zuvor
      die Station.

  window
      Öffnet das Registerfenster auf dem Register, wie die Station es in
      ihrem Register-Reiter zeigt: Suche, Kurven, Details, der Prüfpfad,
      Freigaben, Berichte, Exporte und Einstellungen, für einen Arbeitsplatz
      ohne Autoklav. Es öffnet nie eine serielle Schnittstelle. Braucht
      einen Bildschirm; endet, wenn das Fenster geschlossen wird.

CSV ist RFC 4180: UTF-8, eine Kopfzeile, CRLF-Zeilenenden. Ein Text, der mit
=, +, -, @, einem Tabulator oder einem Wagenrücklauf beginnt und keine
einfache Zahl ist, beginnt innerhalb seiner Anführungszeichen mit einem
Apostroph, damit Tabellenkalkulationen ihn als Text zeigen.

Meldungen, Fragen, diese Hilfe und die Berichte sind in der Sprache der
Einstellung Language der Station (German oder Français; sonst Englisch).
Was Skripte lesen, bleibt in jeder Sprache Englisch: die Befehle und
Optionen, die Tabellen von list, operators, pack-types und expiring, CSV,
das Schlüsselwort am Anfang einer Zeile (OK, ALTERED, DAMAGED, BROKEN,
MISSING, UNREADABLE, UNKNOWN, CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED,
NOT IN THE BACKUP, PASS, FAIL, NOT EVALUATED), die ganzen Zeilen der
Dateien, die verify prüft, und von NOT IN THE BACKUP, und der Rückgabewert.

Rückgabewert:
  0  Erfolg: erledigt, alles Geprüfte unversehrt, PASS
  1  Probleme gefunden: Dateien nicht importiert, Einträge oder
     Laufprotokolle nicht unversehrt, FAIL
  2  ein Aufruffehler, eine Freigabe, die die Regeln ablehnen, oder das
     Register, eine Datei oder die Ausgabe konnte nicht gelesen oder
     geschrieben werden; die Meldung steht auf der Standardfehlerausgabe
  3  NOT EVALUATED

Optionen:
  --register FILE|URI  das Register, auf dem statt dem der Station
                       gearbeitet wird
  -h, --help           dieser Text
  --version            die Version des Werkzeugs
</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>The records are open in a window of their own.</source>
        <translation>Die Aufzeichnungen sind in einem eigenen Fenster geöffnet.</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Fenster zeigen</translation>
    </message>
    <message>
        <source>Back into the tab</source>
        <translation>Zurück in den Reiter</translation>
    </message>
</context>
<context>
    <name>RecordsSettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Clinic:</source>
        <translation>&amp;Praxis:</translation>
    </message>
    <message>
        <source>Printed at the top of every cycle and period report</source>
        <translation>Steht oben auf jedem Chargenprotokoll und Zeitraumbericht</translation>
    </message>
    <message>
        <source>&amp;Lower tolerance:</source>
        <translation>&amp;Untere Toleranz:</translation>
    </message>
    <message>
        <source>Kelvin below the hold&apos;s temperature that still count as holding it</source>
        <translation>Kelvin unter der Haltetemperatur, die noch als Halten gelten</translation>
    </message>
    <message>
        <source> K</source>
        <translation> K</translation>
    </message>
    <message>
        <source>&amp;Upper band:</source>
        <translation>&amp;Oberes Band:</translation>
    </message>
    <message>
        <source>Kelvin above the hold&apos;s temperature that still count as holding it</source>
        <translation>Kelvin über der Haltetemperatur, die noch als Halten gelten</translation>
    </message>
    <message>
        <source>Each tolerance from 0 to %1 K. The cycles entered from now on are judged by them; the verdicts entered before keep the band they were judged by.</source>
        <translation>Jede Toleranz von 0 bis %1 K. Die ab jetzt eingetragenen Chargen werden danach bewertet; die zuvor eingetragenen Bewertungen behalten das Band, nach dem sie bewertet wurden.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
</context>
<context>
    <name>RecordsTab</name>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>The clinic&apos;s name on the reports and the verdict&apos;s tolerances</source>
        <translation>Der Name der Praxis auf den Berichten und die Toleranzen der Bewertung</translation>
    </message>
    <message>
        <source>Open in window</source>
        <translation>In Fenster öffnen</translation>
    </message>
    <message>
        <source>Shows the records in a window of their own, as large as the screen allows</source>
        <translation>Zeigt die Aufzeichnungen in einem eigenen Fenster, so groß wie der Bildschirm erlaubt</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Chargen</translation>
    </message>
    <message>
        <source>All dates</source>
        <translation>Alle Daten</translation>
    </message>
    <message>
        <source>Cycles of any date; clear it to choose a period</source>
        <translation>Chargen jedes Datums; abwählen, um einen Zeitraum zu wählen</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>The first day of the period</source>
        <translation>Der erste Tag des Zeitraums</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The last day of the period</source>
        <translation>Der letzte Tag des Zeitraums</translation>
    </message>
    <message>
        <source>Only the cycles of this program</source>
        <translation>Nur die Chargen dieses Programms</translation>
    </message>
    <message>
        <source>Only the cycles that ended so</source>
        <translation>Nur die Chargen, die so endeten</translation>
    </message>
    <message>
        <source>Only the cycles of this controller (serial number)</source>
        <translation>Nur die Chargen dieses Reglers (Seriennummer)</translation>
    </message>
    <message>
        <source>Only the cycles whose current release this operator made</source>
        <translation>Nur die Chargen, deren aktuelle Freigabe dieser Bediener erteilt hat</translation>
    </message>
    <message>
        <source>Only the cycles whose current release decided so</source>
        <translation>Nur die Chargen, deren aktuelle Freigabe so entschieden hat</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Only the cycles that wait for release</source>
        <translation>Nur die Chargen, die auf Freigabe warten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Found in the program, status, serial number, cycle number, log file name or station, and in the lot, load, operator or comment of any release</source>
        <translation>Gesucht in Programm, Status, Seriennummer, Chargennummer, Name der Protokolldatei oder Station sowie in Los, Beladung, Bediener oder Kommentar jeder Freigabe</translation>
    </message>
    <message>
        <source>Export list…</source>
        <translation>Liste exportieren…</translation>
    </message>
    <message>
        <source>Saves every cycle of the filter as a CSV file</source>
        <translation>Speichert jede Charge des Filters als CSV-Datei</translation>
    </message>
    <message>
        <source>Period report…</source>
        <translation>Zeitraumbericht…</translation>
    </message>
    <message>
        <source>Saves the report of the cycles of the filter as a PDF file, for inspections</source>
        <translation>Speichert den Bericht über die Chargen des Filters als PDF-Datei, für Begehungen</translation>
    </message>
    <message>
        <source>Print period…</source>
        <translation>Zeitraum drucken…</translation>
    </message>
    <message>
        <source>Prints the report of the cycles of the filter</source>
        <translation>Druckt den Bericht über die Chargen des Filters</translation>
    </message>
    <message>
        <source>Chosen cycle</source>
        <translation>Gewählte Charge</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation>Charge:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>Gestartet:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Messwerte:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Bewertung:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Opens the folder of the cycle&apos;s run log</source>
        <translation>Öffnet den Ordner des Laufprotokolls der Charge</translation>
    </message>
    <message>
        <source>Export samples…</source>
        <translation>Messwerte exportieren…</translation>
    </message>
    <message>
        <source>Saves the cycle&apos;s samples as a CSV file</source>
        <translation>Speichert die Messwerte der Charge als CSV-Datei</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Every field of the entry, its hashes, its verdict, its releases and its audit trail</source>
        <translation>Jedes Feld des Eintrags, seine Hashes, seine Bewertung, seine Freigaben und sein Prüfpfad</translation>
    </message>
    <message>
        <source>Release…</source>
        <translation>Freigabe…</translation>
    </message>
    <message>
        <source>Records who decides what about the cycle&apos;s load</source>
        <translation>Hält fest, wer was über die Beladung der Charge entscheidet</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>Saves the cycle report as a PDF file</source>
        <translation>Speichert das Chargenprotokoll als PDF-Datei</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Prints the cycle report</source>
        <translation>Druckt das Chargenprotokoll</translation>
    </message>
    <message>
        <source>Audit trail</source>
        <translation>Prüfpfad</translation>
    </message>
    <message>
        <source>Verify register…</source>
        <translation>Register prüfen…</translation>
    </message>
    <message>
        <source>Checks every entry, release, verdict, log file and time stamp of the register</source>
        <translation>Prüft jeden Eintrag, jede Freigabe, Bewertung, Protokolldatei und jeden Zeitstempel des Registers</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 cycle %2</source>
        <translation>%1 Charge %2</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alle Entscheidungen</translation>
    </message>
    <message>
        <source>1 cycle</source>
        <translation>1 Charge</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The export failed.
%1</source>
        <translation>Der Export ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <source>Report done.</source>
        <translation>Bericht fertig.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The report failed.
%1</source>
        <translation>Der Bericht ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <source>Shown meanwhile: this station&apos;s own register.</source>
        <translation>Solange angezeigt: das eigene Register dieser Station.</translation>
    </message>
    <message>
        <source>All programs</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>All statuses</source>
        <translation>Alle Status</translation>
    </message>
    <message>
        <source>All controllers</source>
        <translation>Alle Regler</translation>
    </message>
    <message>
        <source>Any operator</source>
        <translation>Jeder Bediener</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Export Samples</source>
        <translation>Messwerte exportieren</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 could not be shown: no program to show folders was found.</source>
        <translation>Der Ordner %1 konnte nicht angezeigt werden: Es wurde kein Programm zum Anzeigen von Ordnern gefunden.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>cycles %1 to %2</source>
        <translation>Chargen %1 bis %2</translation>
    </message>
    <message>
        <source>cycles</source>
        <translation>Chargen</translation>
    </message>
    <message>
        <source>Save Period Report</source>
        <translation>Zeitraumbericht speichern</translation>
    </message>
    <message>
        <source>Writing the report…</source>
        <translation>Der Bericht wird geschrieben…</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cycles</source>
        <translation>
            <numerusform>%Ln Charge</numerusform>
            <numerusform>%Ln Chargen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows saved.</source>
        <translation>
            <numerusform>%Ln Zeile gespeichert.</numerusform>
            <numerusform>%Ln Zeilen gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Central register unreachable since %1; nothing waits to be sent.</source>
        <translation>Zentrales Register seit %1 nicht erreichbar; nichts wartet auf das Senden.</translation>
    </message>
    <message>
        <source>Central register unreachable since %1; 1 entry waits to be sent.</source>
        <translation>Zentrales Register seit %1 nicht erreichbar; 1 Eintrag wartet auf das Senden.</translation>
    </message>
    <message numerus="yes">
        <source>Central register unreachable since %1; %Ln entries wait to be sent.</source>
        <translation>
            <numerusform>Zentrales Register seit %1 nicht erreichbar; %Ln Eintrag wartet auf das Senden.</numerusform>
            <numerusform>Zentrales Register seit %1 nicht erreichbar; %Ln Einträge warten auf das Senden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Central register unreachable since %1.</source>
        <translation>Zentrales Register seit %1 nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>RecordsTool</name>
    <message>
        <source>There is no register %1.</source>
        <translation>Es gibt kein Register %1.</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Das Register %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importiert: %1</translation>
    </message>
    <message>
        <source>Already present: %1</source>
        <translation>Bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Differing from their entry: %1</source>
        <translation>Abweichend von ihrem Eintrag: %1</translation>
    </message>
    <message>
        <source>  %1: the register holds this cycle as entry %2 with another log</source>
        <translation>  %1: Das Register enthält diese Charge als Eintrag %2 mit einem anderen Laufprotokoll</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The import stopped: the register failed: %1</source>
        <translation>Der Import wurde abgebrochen: Das Register hat versagt: %1</translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation>Das Register kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read.</source>
        <translation>Das Zertifikat %1 der Zeitstempelstelle kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verify on those stations checks them.</source>
        <translation>Hier nicht geprüft: %1 anderer Stationen; verify auf diesen Stationen prüft sie.</translation>
    </message>
    <message>
        <source>scheme %1 covers %2</source>
        <translation>Schema %1 deckt %2 ab</translation>
    </message>
    <message>
        <source>the ledger links %1 in %2</source>
        <translation>das Kettenbuch verknüpft %1 in %2</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation>%1 geprüft</translation>
    </message>
    <message>
        <source>Coverage: %1.</source>
        <translation>Abdeckung: %1.</translation>
    </message>
    <message>
        <source>Checked %1 of %2 and %3: %4</source>
        <translation>Geprüft: %1 von %2 und %3: %4</translation>
    </message>
    <message>
        <source>intact.</source>
        <translation>unversehrt.</translation>
    </message>
    <message>
        <source>Nothing was moved: the entries of %1 are not intact (see above).</source>
        <translation>Nichts wurde übertragen: Die Einträge von %1 sind nicht unversehrt (siehe oben).</translation>
    </message>
    <message>
        <source>Moved: %1</source>
        <translation>Übertragen: %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Audit events carried: %1</source>
        <translation>Ereignisse des Prüfpfads übertragen: %1</translation>
    </message>
    <message>
        <source>Audit events already there: %1</source>
        <translation>Ereignisse des Prüfpfads bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Releases carried: %1</source>
        <translation>Freigaben übertragen: %1</translation>
    </message>
    <message>
        <source>Releases already there: %1</source>
        <translation>Freigaben bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>The migration stopped: %1 Running it again goes on from there.</source>
        <translation>Die Übertragung wurde abgebrochen: %1 Ein erneuter Aufruf macht dort weiter.</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a run log.</source>
        <translation>%1 ist zu groß für ein Laufprotokoll.</translation>
    </message>
    <message>
        <source>%1 is no readable run log: %2</source>
        <translation>%1 ist kein lesbares Laufprotokoll: %2</translation>
    </message>
    <message>
        <source>PIN of %1</source>
        <translation>PIN von %1</translation>
    </message>
    <message>
        <source>The release of %1 was not entered: %2</source>
        <translation>Die Freigabe von %1 wurde nicht eingetragen: %2</translation>
    </message>
    <message>
        <source>Entered release %1 of %2: %3 by %4.</source>
        <translation>Freigabe %1 von %2 eingetragen: %3 durch %4.</translation>
    </message>
    <message>
        <source>A PIN is needed</source>
        <translation>Eine PIN wird benötigt</translation>
    </message>
    <message>
        <source>New PIN of %1</source>
        <translation>Neue PIN von %1</translation>
    </message>
    <message>
        <source>The new PIN again</source>
        <translation>Die neue PIN noch einmal</translation>
    </message>
    <message>
        <source>The two PINs differ; nothing was changed.</source>
        <translation>Die beiden PINs unterscheiden sich; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation>Es gibt keinen Bediener „%1“.</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>A supervisor signs new accounts: --by NAME</source>
        <translation>Eine Aufsicht unterschreibt neue Konten: --by NAME</translation>
    </message>
    <message>
        <source>The account was not added: %1</source>
        <translation>Das Konto wurde nicht angelegt: %1</translation>
    </message>
    <message>
        <source>Added %1 (%2), %3.</source>
        <translation>Angelegt: %1 (%2), %3.</translation>
    </message>
    <message>
        <source>The account was not changed: %1</source>
        <translation>Das Konto wurde nicht geändert: %1</translation>
    </message>
    <message>
        <source>Changed %1 (%2), %3, %4.</source>
        <translation>Geändert: %1 (%2), %3, %4.</translation>
    </message>
    <message>
        <source>The PIN was not reset: %1</source>
        <translation>Die PIN wurde nicht zurückgesetzt: %1</translation>
    </message>
    <message>
        <source>The PIN of %1 is reset.</source>
        <translation>Die PIN von %1 ist zurückgesetzt.</translation>
    </message>
    <message>
        <source>There is no label format &quot;%1&quot;.</source>
        <translation>Es gibt kein Etikettenformat „%1“.</translation>
    </message>
    <message>
        <source>No labels were made for %1: %2</source>
        <translation>Für %1 wurden keine Etiketten erstellt: %2</translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels cannot be written to %3: %4</source>
        <translation>Die Sterilgutpakete %1 bis %2 sind eingetragen, aber ihre Etiketten können nicht in %3 geschrieben werden: %4</translation>
    </message>
    <message>
        <source>The use was not entered: %1</source>
        <translation>Die Verwendung wurde nicht eingetragen: %1</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2.</source>
        <translation>Verwendung von %1 durch %2 eingetragen.</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2 despite: %3</source>
        <translation>Verwendung von %1 durch %2 eingetragen trotz: %3</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The recall report of %1 is in %2: %3 packs used, %4 to be taken from the shelves.</source>
        <translation>Der Rückrufbericht von %1 ist in %2: %3 Pakete verwendet, %4 aus den Regalen zu nehmen.</translation>
    </message>
    <message>
        <source>The pack type was not set: %1</source>
        <translation>Die Verpackungsart wurde nicht festgelegt: %1</translation>
    </message>
    <message>
        <source>The reference was not erased: %1</source>
        <translation>Die Referenz wurde nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>The report of %1 is in %2.</source>
        <translation>Der Bericht von %1 ist in %2.</translation>
    </message>
    <message>
        <source>The report of %1 from %2 to %3 is in %4.</source>
        <translation>Der Bericht über %1 vom %2 bis %3 ist in %4.</translation>
    </message>
    <message>
        <source>The register %1 is on a server: back it up there (see the README&apos;s &quot;Backups&quot;).</source>
        <translation>Das Register %1 liegt auf einem Server: Sichern Sie es dort (siehe „Backups“ im README).</translation>
    </message>
    <message>
        <source>No backup folder: give one, or choose one in the Records tab.</source>
        <translation>Kein Sicherungsordner: Geben Sie einen an, oder wählen Sie einen im Register-Reiter.</translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation>Die Sicherung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Backup verified: %1</source>
        <translation>Sicherung geprüft: %1</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>Logs copied: %1</source>
        <translation>Laufprotokolle kopiert: %1</translation>
    </message>
    <message>
        <source>Removed older backup: %1</source>
        <translation>Ältere Sicherung entfernt: %1</translation>
    </message>
    <message>
        <source>%1 Give --force to replace it anyway; it is then kept beside the restored one.</source>
        <translation>%1 Geben Sie --force an, um es trotzdem zu ersetzen; es wird dann neben dem wiederhergestellten aufbewahrt.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>The replaced register is kept as: %1</source>
        <translation>Das ersetzte Register ist aufbewahrt als: %1</translation>
    </message>
    <message>
        <source>Logs restored: %1</source>
        <translation>Laufprotokolle wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Logs already there: %1</source>
        <translation>Laufprotokolle bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Vaporin Records</source>
        <translation>Vaporin Records</translation>
    </message>
    <message>
        <source>The output could not be written: %1</source>
        <translation>Die Ausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entry</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log file</source>
        <translation>
            <numerusform>%n Laufprotokolldatei</numerusform>
            <numerusform>%n Laufprotokolldateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log files</source>
        <translation>
            <numerusform>%n Laufprotokolldatei</numerusform>
            <numerusform>%n Laufprotokolldateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chain</source>
        <translation>
            <numerusform>%n Kette</numerusform>
            <numerusform>%n Ketten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chains</source>
        <translation>
            <numerusform>%n Kette</numerusform>
            <numerusform>%n Ketten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witness</source>
        <translation>
            <numerusform>%n Beleg</numerusform>
            <numerusform>%n Belege</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witnesses</source>
        <translation>
            <numerusform>%n Beleg</numerusform>
            <numerusform>%n Belege</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controller</source>
        <translation>
            <numerusform>%n Regler</numerusform>
            <numerusform>%n Reglern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controllers</source>
        <translation>
            <numerusform>%n Regler</numerusform>
            <numerusform>%n Reglern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem.</source>
        <translation>
            <numerusform>%n Problem.</numerusform>
            <numerusform>%n Probleme.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems.</source>
        <translation>
            <numerusform>%n Problem.</numerusform>
            <numerusform>%n Probleme.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycle</source>
        <translation>
            <numerusform>%n Charge</numerusform>
            <numerusform>%n Chargen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles</source>
        <translation>
            <numerusform>%n Charge</numerusform>
            <numerusform>%n Chargen</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator accounts carried: %1</source>
        <translation>Bedienerkonten übertragen: %1</translation>
    </message>
    <message>
        <source>Operator accounts already there: %1</source>
        <translation>Bedienerkonten bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Pack types carried: %1</source>
        <translation>Verpackungsarten übertragen: %1</translation>
    </message>
    <message>
        <source>Packs carried: %1</source>
        <translation>Pakete übertragen: %1</translation>
    </message>
    <message>
        <source>Packs already there: %1</source>
        <translation>Pakete bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Uses carried: %1</source>
        <translation>Verwendungen übertragen: %1</translation>
    </message>
    <message>
        <source>Uses already there: %1</source>
        <translation>Verwendungen bereits vorhanden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n labels, %1 to %2, are in %3.</source>
        <translation>
            <numerusform>%n Etikett, %1 bis %2, ist in %3.</numerusform>
            <numerusform>%n Etiketten, %1 bis %2, sind in %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The reference is erased from %n uses.</source>
        <translation>
            <numerusform>Die Referenz ist aus %n Verwendung gelöscht.</numerusform>
            <numerusform>Die Referenz ist aus %n Verwendungen gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>its copy in the backup was kept</source>
        <translation>seine Kopie in der Sicherung wurde behalten</translation>
    </message>
    <message>
        <source>another file of that name is there; not overwritten</source>
        <translation>dort liegt eine andere Datei dieses Namens; nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>RecordsWindow</name>
    <message>
        <source>Records - Vaporin Regulon</source>
        <translation>Aufzeichnungen - Vaporin Regulon</translation>
    </message>
</context>
<context>
    <name>ReferenceUsesView</name>
    <message>
        <source>Uses of a patient&apos;s reference</source>
        <translation>Verwendungen einer Patientenreferenz</translation>
    </message>
    <message>
        <source>Refere&amp;nce:</source>
        <translation>Referen&amp;z:</translation>
    </message>
    <message>
        <source>The reference as the practice writes it; the list shows its uses, not the reference</source>
        <translation>Die Referenz so, wie die Praxis sie schreibt; die Liste zeigt ihre Verwendungen, nicht die Referenz</translation>
    </message>
    <message>
        <source>F&amp;ind uses</source>
        <translation>Verwendungen &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Erase reference...</source>
        <translation>Referenz &amp;löschen...</translation>
    </message>
    <message>
        <source>On the patient&apos;s request: a supervisor erases the reference from the chosen use</source>
        <translation>Auf Verlangen des Patienten: Eine Aufsicht löscht die Referenz aus der gewählten Verwendung</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verwendet</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Patientenreferenz</translation>
    </message>
    <message>
        <source>erased</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>erhalten</translation>
    </message>
    <message>
        <source>No use of this reference.</source>
        <translation>Keine Verwendung dieser Referenz.</translation>
    </message>
    <message numerus="yes">
        <source>%n uses of this reference.</source>
        <translation>
            <numerusform>%n Verwendung dieser Referenz.</numerusform>
            <numerusform>%n Verwendungen dieser Referenz.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterAlert</name>
    <message>
        <source>Cycle Register</source>
        <translation>Chargenregister</translation>
    </message>
    <message>
        <source>The cycle register cannot be written at the moment:
%1

Run logs are saved as always. The register&apos;s entries are kept and will be entered automatically as soon as it can be written again (waiting now: %2).</source>
        <translation>In das Chargenregister kann im Moment nicht geschrieben werden:
%1

Laufprotokolle werden wie immer gespeichert. Die Einträge des Registers bleiben erhalten und werden automatisch eingetragen, sobald wieder in das Register geschrieben werden kann (wartend: %2).</translation>
    </message>
</context>
<context>
    <name>RegisterBackup</name>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Das Register %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The backup %1 is verified, but the register cannot record it: %2</source>
        <translation>Die Sicherung %1 ist geprüft, aber das Register kann sie nicht verzeichnen: %2</translation>
    </message>
    <message>
        <source>The log %1 cannot be copied to %2: %3</source>
        <translation>Das Laufprotokoll %1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>The copy %1 cannot be written: %2</source>
        <translation>Die Kopie %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The copy %1 cannot be completed.</source>
        <translation>Die Kopie %1 kann nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation>Es ist kein Sicherungsordner gewählt.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not there (is its disk plugged in?).</source>
        <translation>Der Sicherungsordner %1 ist nicht da (ist sein Datenträger angeschlossen?).</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more problems)</source>
        <translation>
            <numerusform>%1 (und %n weiteres Problem)</numerusform>
            <numerusform>%1 (und %n weitere Probleme)</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup does not verify: %1</source>
        <translation>Die Sicherung besteht die Prüfung nicht: %1</translation>
    </message>
    <message>
        <source>The backup cannot be named %1.</source>
        <translation>Die Sicherung kann nicht %1 genannt werden.</translation>
    </message>
    <message>
        <source>The register cannot be copied to %1: %2</source>
        <translation>Das Register kann nicht nach %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The backup was stopped.</source>
        <translation>Die Sicherung wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>RegisterLocation</name>
    <message>
        <source>The connection URI cannot be used: %1.</source>
        <translation>Die Verbindungs-URI kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>give postgresql://[user@][host][:port][/database][?name=value&amp;...]</source>
        <translation>geben Sie postgresql://[user@][host][:port][/database][?name=value&amp;...] an</translation>
    </message>
    <message>
        <source>it holds a password, which would show to every user of this computer; give it in PGPASSWORD or the password file ~/.pgpass instead</source>
        <translation>sie enthält ein Passwort, das jeder Benutzer dieses Computers sähe; geben Sie es stattdessen in PGPASSWORD oder der Passwortdatei ~/.pgpass an</translation>
    </message>
    <message>
        <source>the host %1 is no [IPv6 address]</source>
        <translation>der Host %1 ist keine [IPv6-Adresse]</translation>
    </message>
    <message>
        <source>a &quot;%&quot; is not followed by two hexadecimal digits</source>
        <translation>auf ein „%“ folgen keine zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; is no name=value</source>
        <translation>der Parameter „%1“ ist kein name=value</translation>
    </message>
    <message>
        <source>the value of %1 holds a &quot;;&quot;</source>
        <translation>der Wert von %1 enthält ein „;“</translation>
    </message>
    <message>
        <source>the port %1 is no number from 1 to 65535</source>
        <translation>der Port %1 ist keine Zahl von 1 bis 65535</translation>
    </message>
</context>
<context>
    <name>RegisterReader</name>
    <message>
        <source>The release was not saved: %1</source>
        <translation>Die Freigabe wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The release was not saved: the register shown has changed; choose the cycle again.</source>
        <translation>Die Freigabe wurde nicht gespeichert: Das angezeigte Register hat sich geändert; wählen Sie die Charge erneut.</translation>
    </message>
    <message>
        <source>The event was not saved: %1</source>
        <translation>Das Ereignis wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Der Drucker kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The register could not be read: %1</source>
        <translation>Das Register konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Das Register %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>RegisterRestore</name>
    <message>
        <source>The folder %1 holds no backup.</source>
        <translation>Der Ordner %1 enthält keine Sicherung.</translation>
    </message>
    <message>
        <source>There is no backup %1.</source>
        <translation>Es gibt keine Sicherung %1.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Der Ordner von %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be copied to %2.</source>
        <translation>Die Sicherung %1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The register %1 is in use; close the station first.</source>
        <translation>Das Register %1 ist in Gebrauch; schließen Sie zuerst die Station.</translation>
    </message>
    <message>
        <source>The register %1 cannot be moved aside.</source>
        <translation>Das Register %1 kann nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The restored register cannot be named %1.</source>
        <translation>Das wiederhergestellte Register kann nicht %1 genannt werden.</translation>
    </message>
    <message>
        <source>The register is restored, but it cannot record the restore: %1</source>
        <translation>Das Register ist wiederhergestellt, kann die Wiederherstellung aber nicht verzeichnen: %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Das Register %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>The register %1 holds %n entries that the backup lacks; nothing was replaced.</source>
        <translation>
            <numerusform>Das Register %1 enthält %n Eintrag, der in der Sicherung fehlt; nichts wurde ersetzt.</numerusform>
            <numerusform>Das Register %1 enthält %n Einträge, die in der Sicherung fehlen; nichts wurde ersetzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterSchema</name>
    <message>
        <source>The register has schema version %1, newer than this program knows (%2); use a newer version of the program.</source>
        <translation>Das Register hat die Schemaversion %1, neuer als dieses Programm kennt (%2); verwenden Sie eine neuere Version des Programms.</translation>
    </message>
</context>
<context>
    <name>RegisterTransfer</name>
    <message>
        <source>%1 has been altered.</source>
        <translation>%1 wurde verändert.</translation>
    </message>
</context>
<context>
    <name>RegisterVerification</name>
    <message>
        <source>The time stamp %1 (%2) does not verify: %3</source>
        <translation>Der Zeitstempel %1 (%2) besteht die Prüfung nicht: %3</translation>
    </message>
    <message>
        <source>the text it stamps is not a list of chain positions.</source>
        <translation>der gestempelte Text ist keine Liste von Kettenpositionen.</translation>
    </message>
    <message>
        <source>No time stamps are stored.</source>
        <translation>Es sind keine Zeitstempel gespeichert.</translation>
    </message>
    <message>
        <source>%1 not checked: no certificate of the time-stamp authority was given.</source>
        <translation>%1 nicht geprüft: Es wurde kein Zertifikat der Zeitstempelstelle angegeben.</translation>
    </message>
    <message>
        <source>Checked %1: none verifies.</source>
        <translation>%1 geprüft: Keiner besteht die Prüfung.</translation>
    </message>
    <message>
        <source>Checked %1: the register is proven as of %2.</source>
        <translation>%1 geprüft: Das Register ist zum Stand %2 nachgewiesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n time stamp</source>
        <translation>
            <numerusform>%n Zeitstempel</numerusform>
            <numerusform>%n Zeitstempel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time stamps</source>
        <translation>
            <numerusform>%n Zeitstempel</numerusform>
            <numerusform>%n Zeitstempel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterWriter</name>
    <message>
        <source>The run has no start time.</source>
        <translation>Der Lauf hat keine Startzeit.</translation>
    </message>
</context>
<context>
    <name>Release</name>
    <message>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Released</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Quarantined</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>Zurückgerufen</translation>
    </message>
</context>
<context>
    <name>ReleaseDialog</name>
    <message>
        <source>Release</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Bediener:</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>The operator&apos;s PIN signs the release once the register has operator accounts</source>
        <translation>Die PIN des Bedieners unterschreibt die Freigabe, sobald das Register Bedienerkonten hat</translation>
    </message>
    <message>
        <source>&amp;Load:</source>
        <translation>Bela&amp;dung:</translation>
    </message>
    <message>
        <source>What the load held, e.g. Tray 3: forceps, mirrors</source>
        <translation>Was die Beladung enthielt, z. B. Tray 3: Pinzetten, Spiegel</translation>
    </message>
    <message>
        <source>Lot &amp;number:</source>
        <translation>&amp;Losnummer:</translation>
    </message>
    <message>
        <source>&amp;Chemical indicator:</source>
        <translation>&amp;Chemoindikator:</translation>
    </message>
    <message>
        <source>&amp;Biological indicator:</source>
        <translation>B&amp;ioindikator:</translation>
    </message>
    <message>
        <source>&amp;Decision:</source>
        <translation>&amp;Entscheidung:</translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation>Ko&amp;mmentar:</translation>
    </message>
    <message>
        <source>Release of cycle %1 of %2</source>
        <translation>Freigabe der Charge %1 von %2</translation>
    </message>
    <message>
        <source>Cycle %1 of controller %2, %3, started %4, %5.</source>
        <translation>Charge %1 des Reglers %2, %3, gestartet %4, %5.</translation>
    </message>
    <message>
        <source>Verdict: &lt;b&gt;%1&lt;/b&gt;, %2</source>
        <translation>Bewertung: &lt;b&gt;%1&lt;/b&gt;, %2</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>keine gespeichert</translation>
    </message>
    <message>
        <source>.&lt;br&gt;Its samples do not prove the hold: its load is released only with a comment that says why.</source>
        <translation>.&lt;br&gt;Ihre Messwerte belegen die Haltezeit nicht: Ihre Beladung wird nur mit einem Kommentar freigegeben, der den Grund nennt.</translation>
    </message>
    <message>
        <source>The newest of its releases: %1 on %2. Saving adds an entry to its history; nothing is overwritten.</source>
        <translation>Die neueste ihrer Freigaben: %1 am %2. Speichern fügt ihrem Verlauf einen Eintrag hinzu; nichts wird überschrieben.</translation>
    </message>
    <message>
        <source>Not released yet.</source>
        <translation>Noch nicht freigegeben.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Who decides about the load; required. Type the first letters to choose.</source>
        <translation>Wer über die Beladung entscheidet; erforderlich. Zum Auswählen die ersten Buchstaben tippen.</translation>
    </message>
    <message>
        <source>Only a supervisor releases the load of a %1 cycle.</source>
        <translation>Nur eine Aufsicht gibt die Beladung einer Charge mit %1 frei.</translation>
    </message>
</context>
<context>
    <name>ReleaseHistoryModel</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Chemical indicator</source>
        <translation>Chemoindikator</translation>
    </message>
    <message>
        <source>Biological indicator</source>
        <translation>Bioindikator</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Beladung</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>Eingetragen von</translation>
    </message>
</context>
<context>
    <name>ReleasePolicy</name>
    <message>
        <source>Name the operator who makes the decision.</source>
        <translation>Nennen Sie den Bediener, der die Entscheidung trifft.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartend</translation>
    </message>
    <message>
        <source>The chemical indicator failed: the load is not sterile and cannot be released.</source>
        <translation>Der Chemoindikator hat nicht bestanden: Die Beladung ist nicht steril und kann nicht freigegeben werden.</translation>
    </message>
    <message>
        <source>The biological indicator is positive: the load is not sterile and cannot be released.</source>
        <translation>Der Bioindikator ist positiv: Die Beladung ist nicht steril und kann nicht freigegeben werden.</translation>
    </message>
    <message>
        <source>The verdict is FAIL: say in the comment why the load is released all the same.</source>
        <translation>Die Bewertung ist NICHT BESTANDEN: Begründen Sie im Kommentar, warum die Beladung trotzdem freigegeben wird.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: say in the comment why the load is released all the same.</source>
        <translation>Die Bewertung ist NICHT BEWERTET: Begründen Sie im Kommentar, warum die Beladung trotzdem freigegeben wird.</translation>
    </message>
</context>
<context>
    <name>ReleaseSigning</name>
    <message>
        <source>The verdict is FAIL: only a supervisor releases its load.</source>
        <translation>Die Bewertung ist NICHT BESTANDEN: Nur eine Aufsicht gibt ihre Beladung frei.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: only a supervisor releases its load.</source>
        <translation>Die Bewertung ist NICHT BEWERTET: Nur eine Aufsicht gibt ihre Beladung frei.</translation>
    </message>
</context>
<context>
    <name>ReplyParser</name>
    <message>
        <source>Can&apos;t start the program. A program is running.</source>
        <translation>Das Programm kann nicht gestartet werden. Es läuft bereits ein Programm.</translation>
    </message>
    <message>
        <source>Can&apos;t start the program.</source>
        <translation>Das Programm kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t find the selected program.</source>
        <translation>Das gewählte Programm wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Can&apos;t start the program. Controller code: %1</source>
        <translation>Das Programm kann nicht gestartet werden. Code des Reglers: %1</translation>
    </message>
    <message>
        <source>Can&apos;t stop the running program.</source>
        <translation>Das laufende Programm kann nicht gestoppt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t stop the running program. Controller code: %1</source>
        <translation>Das laufende Programm kann nicht gestoppt werden. Code des Reglers: %1</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Released</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Quarantined</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>Zurückgerufen</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 min at %2</source>
        <translation>%1 min bei %2</translation>
    </message>
    <message>
        <source>hold %1 for %2 min</source>
        <translation>Haltezeit %2 min bei %1</translation>
    </message>
    <message>
        <source>band %1 to %2 (%3, %4)</source>
        <translation>Band %1 bis %2 (%3, %4)</translation>
    </message>
    <message>
        <source>longest stretch in the band %1 to %2, %3</source>
        <translation>längste Strecke im Band %1 bis %2, %3</translation>
    </message>
    <message>
        <source>in the hold lowest %1 at %2, highest %3 at %4</source>
        <translation>in der Haltezeit niedrigste %1 bei %2, höchste %3 bei %4</translation>
    </message>
    <message>
        <source>tolerances %1, %2</source>
        <translation>Toleranzen %1, %2</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>chemical indicator: %1</source>
        <translation>Chemoindikator: %1</translation>
    </message>
    <message>
        <source>biological indicator: %1</source>
        <translation>Bioindikator: %1</translation>
    </message>
    <message>
        <source>load: %1</source>
        <translation>Beladung: %1</translation>
    </message>
    <message>
        <source>lot: %1</source>
        <translation>Los: %1</translation>
    </message>
    <message>
        <source>entered by %1 on %2</source>
        <translation>eingetragen von %1 an %2</translation>
    </message>
</context>
<context>
    <name>ReportMetadata</name>
    <message>
        <source>Clinic</source>
        <translation>Praxis</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>der Bericht konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Clinic name not set</source>
        <translation>Praxisname nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>RunLogParser</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It is no run log: it does not begin with &quot;%1&quot;.</source>
        <translation>Das ist kein Laufprotokoll: Es beginnt nicht mit „%1“.</translation>
    </message>
    <message>
        <source>Its last line is incomplete: the log is cut short.</source>
        <translation>Die letzte Zeile ist unvollständig: Das Laufprotokoll ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The header ends early: &quot;%1&quot; is missing.</source>
        <translation>Der Kopf endet zu früh: „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Line %1 does not begin with &quot;%2&quot;.</source>
        <translation>Zeile %1 beginnt nicht mit „%2“.</translation>
    </message>
    <message>
        <source>Line %1 holds a zero byte: it is no text.</source>
        <translation>Zeile %1 enthält ein Nullbyte: Sie ist kein Text.</translation>
    </message>
    <message>
        <source>The header ends early: the column titles are missing.</source>
        <translation>Der Kopf endet zu früh: Die Spaltentitel fehlen.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 are not &quot;Data Points&quot; and the column titles.</source>
        <translation>Die Zeilen %1 und %2 sind nicht „Data Points“ und die Spaltentitel.</translation>
    </message>
    <message>
        <source>The start time &quot;%1&quot; is no time.</source>
        <translation>Die Startzeit „%1“ ist keine Zeitangabe.</translation>
    </message>
    <message>
        <source>The finish time &quot;%1&quot; is no time.</source>
        <translation>Die Endzeit „%1“ ist keine Zeitangabe.</translation>
    </message>
    <message>
        <source>The cycle number &quot;%1&quot; is no number.</source>
        <translation>Die Chargennummer „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1 is no row of elapsed time and temperature.</source>
        <translation>Zeile %1 ist keine Zeile aus verstrichener Zeit und Temperatur.</translation>
    </message>
</context>
<context>
    <name>RunLogSaver</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The run log could not be written to
%1
%2

Do you want to save it elsewhere?</source>
        <translation>Das Laufprotokoll konnte nicht geschrieben werden nach
%1
%2

Möchten Sie es an anderer Stelle speichern?</translation>
    </message>
    <message>
        <source>Save Run Log</source>
        <translation>Laufprotokoll speichern</translation>
    </message>
    <message>
        <source>Run logs (*.txt)</source>
        <translation>Laufprotokolle (*.txt)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>RunRecovery</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The run log of the interrupted run was NOT saved.
The station keeps its record and offers it again at its next start.</source>
        <translation>Das Laufprotokoll des unterbrochenen Laufs wurde NICHT gespeichert.
Die Station behält die Aufzeichnung und bietet sie beim nächsten Start erneut an.</translation>
    </message>
    <message>
        <source>Run Log Recovered</source>
        <translation>Laufprotokoll wiederhergestellt</translation>
    </message>
    <message>
        <source>The station stopped before the log of a run was saved.
The run log has now been saved to
%1</source>
        <translation>Die Station wurde beendet, bevor das Protokoll eines Laufs gespeichert war.
Das Laufprotokoll wurde jetzt gespeichert unter
%1</translation>
    </message>
</context>
<context>
    <name>SignerChooser</name>
    <message>
        <source>%1 (%2), supervisor</source>
        <translation>%1 (%2), Aufsicht</translation>
    </message>
    <message>
        <source>%1 (%2), operator</source>
        <translation>%1 (%2), Bediener</translation>
    </message>
</context>
<context>
    <name>SlaveThread</name>
    <message>
        <source>Can&apos;t write to %1</source>
        <translation>Schreiben auf %1 nicht möglich</translation>
    </message>
    <message>
        <source>Can&apos;t open %1, error code %2</source>
        <translation>%1 kann nicht geöffnet werden, Fehlercode %2</translation>
    </message>
    <message>
        <source>Wait read request timeout %1</source>
        <translation>Zeitüberschreitung beim Warten auf die Antwort %1</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation>Vaporin Regulon</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>No controller found. Check that its USB cable is plugged in and that the controller is switched on. Your user must be in the dialout group (log in again after adding it).</source>
        <translation>Kein Regler gefunden. Prüfen Sie, ob das USB-Kabel eingesteckt und der Regler eingeschaltet ist. Ihr Benutzer muss in der Gruppe dialout sein (nach dem Hinzufügen neu anmelden).</translation>
    </message>
    <message>
        <source>Select Regulon</source>
        <translation>Regulon wählen</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no tolerance from 0 to %3 K; the verdicts use %4 K.</source>
        <translation>Die Einstellung %1 ist „%2“, das ist keine Toleranz von 0 bis %3 K; die Bewertungen verwenden %4 K.</translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;; it must be sqlite or postgresql.</source>
        <translation>Die Einstellung %1 ist „%2“; sie muss sqlite oder postgresql sein.</translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no port number.</source>
        <translation>Die Einstellung %1 ist „%2“, das ist keine Portnummer.</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Successfully completed</source>
        <translation>Erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Program cancelled by user</source>
        <translation>Programm vom Bediener abgebrochen</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Station closed during the run</source>
        <translation>Station während des Laufs geschlossen</translation>
    </message>
    <message>
        <source>Something went wrong! Please try again!</source>
        <translation>Etwas ist schiefgegangen! Bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Timeout! Please try again!</source>
        <translation>Zeitüberschreitung! Bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Program stopped by error.</source>
        <translation>Programm durch einen Fehler gestoppt.</translation>
    </message>
    <message>
        <source>Program stopped by sensor error.</source>
        <translation>Programm durch einen Sensorfehler gestoppt.</translation>
    </message>
</context>
<context>
    <name>TemperatureChart</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>TIME [HH:MM]</source>
        <translation>ZEIT [HH:MM]</translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation>Temperatur [°C]</translation>
    </message>
</context>
<context>
    <name>TimeStampToken</name>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read: %2</source>
        <translation>Das Zertifikat %1 der Zeitstempelstelle kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 holds no certificate (PEM).</source>
        <translation>Die Datei %1 enthält kein Zertifikat (PEM).</translation>
    </message>
    <message>
        <source>The answer is no time-stamp reply.</source>
        <translation>Die Antwort ist keine Zeitstempel-Antwort.</translation>
    </message>
    <message>
        <source>The authority refused the request (status %1).</source>
        <translation>Die Zeitstempelstelle hat die Anfrage abgelehnt (Status %1).</translation>
    </message>
    <message>
        <source>The token cannot be encoded.</source>
        <translation>Der Zeitstempel kann nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The token cannot be read.</source>
        <translation>Der Zeitstempel kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The token cannot be checked.</source>
        <translation>Der Zeitstempel kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The token does not verify.</source>
        <translation>Der Zeitstempel besteht die Prüfung nicht.</translation>
    </message>
    <message>
        <source>The token&apos;s time cannot be read.</source>
        <translation>Die Zeit des Zeitstempels kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TransferLock</name>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>VerdictBanner</name>
    <message>
        <source>The register holds no verdict for this run.</source>
        <translation>Das Register enthält keine Bewertung für diesen Lauf.</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>NICHT BESTANDEN</translation>
    </message>
    <message>
        <source>NOT EVALUATED</source>
        <translation>NICHT BEWERTET</translation>
    </message>
    <message>
        <source>recording began after the start</source>
        <translation>die Aufzeichnung begann nach dem Start</translation>
    </message>
    <message>
        <source>the program&apos;s steps are unknown</source>
        <translation>die Schritte des Programms sind unbekannt</translation>
    </message>
    <message>
        <source>no step of the program holds for a time</source>
        <translation>kein Schritt des Programms hat eine Haltezeit</translation>
    </message>
    <message>
        <source>the hold at %1 has no holding time</source>
        <translation>die Haltezeit bei %1 hat keine Dauer</translation>
    </message>
    <message>
        <source>held %1 for %2 from %3 to %4 (%5 min required)</source>
        <translation>%1 gehalten für %2 von %3 bis %4 (%5 min gefordert)</translation>
    </message>
    <message>
        <source>no samples recorded</source>
        <translation>keine Messwerte aufgezeichnet</translation>
    </message>
    <message>
        <source>never reached %1 (highest %2 at %3)</source>
        <translation>%1 nie erreicht (höchstens %2 bei %3)</translation>
    </message>
    <message>
        <source>longest stretch at %1 lasted %2 of the %3 min required</source>
        <translation>längste Strecke bei %1 dauerte %2 der geforderten %3 min</translation>
    </message>
    <message>
        <source>lowest %1 at %2</source>
        <translation>niedrigste %1 bei %2</translation>
    </message>
    <message>
        <source>highest %1 at %2</source>
        <translation>höchste %1 bei %2</translation>
    </message>
    <message>
        <source>no sample for %1 from %2</source>
        <translation>kein Messwert für %1 ab %2</translation>
    </message>
    <message>
        <source>the run ended &quot;%1&quot;</source>
        <translation>der Lauf endete „%1“</translation>
    </message>
    <message>
        <source>the register holds no verdict for this cycle</source>
        <translation>das Register enthält keine Bewertung für diese Charge</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>VerificationDialog</name>
    <message>
        <source>Verify register</source>
        <translation>Register prüfen</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Register: %1</translation>
    </message>
    <message>
        <source>Verifying: every entry, release, verdict, log file and time stamp is read…</source>
        <translation>Prüfung: Jeder Eintrag, jede Freigabe, Bewertung, Protokolldatei und jeder Zeitstempel wird gelesen…</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>Befunde:</translation>
    </message>
    <message>
        <source>Save verification</source>
        <translation>Prüfung speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written.
%1</source>
        <translation>Das PDF konnte nicht geschrieben werden.
%1</translation>
    </message>
</context>
<context>
    <name>VerificationReport</name>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>What was checked</source>
        <translation>Was geprüft wurde</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>Register verification %1</source>
        <translation>Registerprüfung %1</translation>
    </message>
    <message>
        <source>Cycle register: verification</source>
        <translation>Chargenregister: Prüfung</translation>
    </message>
    <message>
        <source>Verified %1</source>
        <translation>Geprüft %1</translation>
    </message>
</context>
<context>
    <name>VerificationSummary</name>
    <message>
        <source>The register could not be verified.</source>
        <translation>Das Register konnte nicht geprüft werden.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Es konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>The register is intact.</source>
        <translation>Das Register ist unversehrt.</translation>
    </message>
    <message>
        <source>The register is NOT intact: %1 found.</source>
        <translation>Das Register ist NICHT unversehrt: %1 gefunden.</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>unversehrt</translation>
    </message>
    <message>
        <source>Its history up to %1 is proven by the time-stamp authority; what came after is not yet.</source>
        <translation>Sein Verlauf bis %1 ist durch die Zeitstempelstelle belegt; was danach kam, noch nicht.</translation>
    </message>
    <message>
        <source>No time stamp proves its history: whoever can write the register could have rewritten it completely, hashes included, without a trace.</source>
        <translation>Kein Zeitstempel belegt seinen Verlauf: Wer in das Register schreiben kann, hätte es vollständig umschreiben können, Hashes eingeschlossen, ohne eine Spur.</translation>
    </message>
    <message>
        <source>Nothing in the register or in its log files was found changed, removed or reordered. %1</source>
        <translation>Im Register und in seinen Protokolldateien wurde nichts verändert, entfernt oder umgeordnet gefunden. %1</translation>
    </message>
    <message>
        <source>Each problem is listed below. %1</source>
        <translation>Jedes Problem ist unten aufgeführt. %1</translation>
    </message>
    <message>
        <source>Checked %1 of %2, %3 and %4.</source>
        <translation>Geprüft: %1 von %2, %3 und %4.</translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verifying on those stations checks them.</source>
        <translation>Hier nicht geprüft: %1 anderer Stationen; eine Prüfung auf diesen Stationen prüft sie.</translation>
    </message>
    <message>
        <source>Last full verification: %1: %2</source>
        <translation>Letzte vollständige Prüfung: %1: %2</translation>
    </message>
    <message>
        <source>No full verification yet.</source>
        <translation>Noch keine vollständige Prüfung.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>1 controller</source>
        <translation>1 Regler</translation>
    </message>
    <message numerus="yes">
        <source>%n controllers</source>
        <translation>
            <numerusform>%n Regler</numerusform>
            <numerusform>%n Reglern</numerusform>
        </translation>
    </message>
    <message>
        <source>1 release</source>
        <translation>1 Freigabe</translation>
    </message>
    <message numerus="yes">
        <source>%n releases</source>
        <translation>
            <numerusform>%n Freigabe</numerusform>
            <numerusform>%n Freigaben</numerusform>
        </translation>
    </message>
    <message>
        <source>1 log file</source>
        <translation>1 Protokolldatei</translation>
    </message>
    <message numerus="yes">
        <source>%n log files</source>
        <translation>
            <numerusform>%n Protokolldatei</numerusform>
            <numerusform>%n Protokolldateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Entry changed</source>
        <translation>Eintrag verändert</translation>
    </message>
    <message>
        <source>Samples damaged</source>
        <translation>Messwerte beschädigt</translation>
    </message>
    <message>
        <source>Order of entries broken</source>
        <translation>Reihenfolge der Einträge gebrochen</translation>
    </message>
    <message>
        <source>Entries missing</source>
        <translation>Einträge fehlen</translation>
    </message>
    <message>
        <source>Log file missing</source>
        <translation>Protokolldatei fehlt</translation>
    </message>
    <message>
        <source>Log file changed</source>
        <translation>Protokolldatei verändert</translation>
    </message>
    <message>
        <source>Log file unreadable</source>
        <translation>Protokolldatei unlesbar</translation>
    </message>
    <message>
        <source>Verdict changed</source>
        <translation>Bewertung verändert</translation>
    </message>
    <message>
        <source>Release changed</source>
        <translation>Freigabe verändert</translation>
    </message>
    <message>
        <source>Order of releases broken</source>
        <translation>Reihenfolge der Freigaben gebrochen</translation>
    </message>
    <message>
        <source>Releases missing</source>
        <translation>Freigaben fehlen</translation>
    </message>
    <message>
        <source>Audit event changed</source>
        <translation>Ereignis des Prüfpfads verändert</translation>
    </message>
    <message>
        <source>Ledger broken</source>
        <translation>Kette gebrochen</translation>
    </message>
    <message>
        <source>Record missing</source>
        <translation>Datensatz fehlt</translation>
    </message>
    <message>
        <source>Record changed</source>
        <translation>Datensatz verändert</translation>
    </message>
    <message>
        <source>Record not in the ledger</source>
        <translation>Datensatz nicht in der Kette</translation>
    </message>
    <message>
        <source>History rewritten after a witness</source>
        <translation>Verlauf nach einem Beleg umgeschrieben</translation>
    </message>
    <message>
        <source>Time stamp not valid</source>
        <translation>Zeitstempel ungültig</translation>
    </message>
</context>
</TS>
