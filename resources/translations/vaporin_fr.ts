<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened: %2</source>
        <translation>La copie %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The copy %1 fails SQLite&apos;s integrity check: %2</source>
        <translation>La copie %1 échoue à la vérification d&apos;intégrité de SQLite : %2</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 has a name no copy can have.</source>
        <translation>Le journal %1 de l&apos;entrée %2 porte un nom qu&apos;aucune copie ne peut avoir.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is missing.</source>
        <translation>Le journal %1 de l&apos;entrée %2 est manquant.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 cannot be read: %3</source>
        <translation>Le journal %1 de l&apos;entrée %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is not the one entered.</source>
        <translation>Le journal %1 de l&apos;entrée %2 n&apos;est pas celui qui a été enregistré.</translation>
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
        <translation type="unfinished">Aucun dossier de sauvegarde n&apos;est choisi.</translation>
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
        <translation>L&apos;état des sauvegardes ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>BackupStatus</name>
    <message>
        <source>Last verified backup: %1 (%2)</source>
        <translation>Dernière sauvegarde vérifiée : %1 (%2)</translation>
    </message>
    <message>
        <source>No verified backup yet.</source>
        <translation>Aucune sauvegarde vérifiée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Warning: the last backup attempt failed (%1): %2</source>
        <translation>Avertissement : la dernière tentative de sauvegarde a échoué (%1) : %2</translation>
    </message>
    <message>
        <source>Warning: the log %1 differs from its copy in the backup; the copy was kept.</source>
        <translation>Avertissement : le journal %1 diffère de sa copie dans la sauvegarde ; la copie a été conservée.</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>Warning: no verified backup is newer than %n days.</source>
        <translation>
            <numerusform>Avertissement : aucune sauvegarde vérifiée ne date de moins de %n jour.</numerusform>
            <numerusform>Avertissement : aucune sauvegarde vérifiée ne date de moins de %n jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChainLedger</name>
    <message>
        <source>Links %1 to %2 of the chain %3 are missing: records were removed from the ledger.</source>
        <translation>Les maillons %1 à %2 de la chaîne %3 sont manquants : des enregistrements ont été retirés du registre des maillons.</translation>
    </message>
    <message>
        <source>The link %1 does not follow the link before it: links were removed, inserted or reordered.</source>
        <translation>Le maillon %1 ne suit pas le maillon précédent : des maillons ont été retirés, insérés ou réordonnés.</translation>
    </message>
    <message>
        <source>The link %1 has been altered.</source>
        <translation>Le maillon %1 a été modifié.</translation>
    </message>
    <message>
        <source>The witness %1 contradicts the register: its link there is %2, so the history up to it was rewritten.</source>
        <translation>Le témoin %1 contredit le registre : son maillon y est %2, l&apos;historique jusqu&apos;à lui a donc été réécrit.</translation>
    </message>
    <message>
        <source>The witness %1 names a link the register no longer holds: records were removed.</source>
        <translation>Le témoin %1 nomme un maillon que le registre ne contient plus : des enregistrements ont été retirés.</translation>
    </message>
    <message>
        <source>The chain %1 has no head.</source>
        <translation>La chaîne %1 n&apos;a pas de tête.</translation>
    </message>
    <message>
        <source>The newest links %1 to %2 of the chain %3 are missing.</source>
        <translation>Les maillons les plus récents %1 à %2 de la chaîne %3 sont manquants.</translation>
    </message>
    <message>
        <source>The head of the chain %1 does not name its newest link.</source>
        <translation>La tête de la chaîne %1 ne nomme pas son maillon le plus récent.</translation>
    </message>
    <message numerus="yes">
        <source>All %n links of the chain %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique maillon de la chaîne %1 est manquant.</numerusform>
            <numerusform>Les %n maillons de la chaîne %1 sont tous manquants.</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>libération %1</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>événement %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>emballage %1</translation>
    </message>
    <message>
        <source>use %1</source>
        <translation>utilisation %1</translation>
    </message>
    <message>
        <source>The %1 that the link %2 names is missing.</source>
        <translation>L&apos;enregistrement « %1 » que nomme le maillon %2 est manquant.</translation>
    </message>
    <message>
        <source>The %1 is not what the link %2 holds: it has been altered.</source>
        <translation>L&apos;enregistrement « %1 » ne correspond pas au maillon %2 : il a été modifié.</translation>
    </message>
    <message>
        <source>The %1 is not in the ledger: it was added past the program, or its link was removed.</source>
        <translation>L&apos;enregistrement « %1 » n&apos;est pas dans le registre des maillons : il a été ajouté en contournant le programme, ou son maillon a été retiré.</translation>
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
        <source>color: #555;</source>
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
        <translation>Le dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>It is no regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is too large to be a run log.</source>
        <translation>Le fichier est trop volumineux pour être un journal du cycle.</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
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
        <translation>Le dossier du registre %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The connection %1 is in use already.</source>
        <translation>La connexion %1 est déjà utilisée.</translation>
    </message>
    <message>
        <source>Qt&apos;s database driver %1 is not installed (on Debian: the package %2).</source>
        <translation>Le pilote de base de données %1 de Qt n&apos;est pas installé (sous Debian : le paquet %2).</translation>
    </message>
    <message>
        <source>The database driver %1 is not supported.</source>
        <translation>Le pilote de base de données %1 n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Le registre n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>A cycle without a start time cannot be entered.</source>
        <translation>Un cycle sans heure de début ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>A cycle with a temperature that is not a number cannot be entered.</source>
        <translation>Un cycle dont une température n&apos;est pas un nombre ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>The new entry&apos;s ID was not returned.</source>
        <translation>L&apos;ID de la nouvelle entrée n&apos;a pas été renvoyé.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>L&apos;entrée %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are missing.</source>
        <translation>Les mesures de l&apos;entrée %1 sont manquantes.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are damaged: %2</source>
        <translation>Les mesures de l&apos;entrée %1 sont endommagées : %2</translation>
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
        <translation>Les mesures de l&apos;%1 sont manquantes.</translation>
    </message>
    <message>
        <source>The samples of %1 are damaged: %2</source>
        <translation>Les mesures de l&apos;%1 sont endommagées : %2</translation>
    </message>
    <message>
        <source>%1 should have %2 samples but has %3.</source>
        <translation>L&apos;%1 devrait avoir %2 mesures mais en a %3.</translation>
    </message>
    <message>
        <source>%1 has been altered.</source>
        <translation>L&apos;%1 a été modifiée.</translation>
    </message>
    <message>
        <source>%1 or its verdict has been altered.</source>
        <translation>L&apos;%1 ou son verdict a été modifié.</translation>
    </message>
    <message>
        <source>The verdict of %1 is missing.</source>
        <translation>Le verdict de l&apos;%1 est manquant.</translation>
    </message>
    <message>
        <source>The verdict of %1 is not what its samples give; it has been altered.</source>
        <translation>Le verdict de l&apos;%1 n&apos;est pas celui que donnent ses mesures ; il a été modifié.</translation>
    </message>
    <message>
        <source>The log %1 of %2 is missing.</source>
        <translation>Le journal %1 de l&apos;%2 est manquant.</translation>
    </message>
    <message>
        <source>The log %1 of %2 cannot be read: %3</source>
        <translation>Le journal %1 de l&apos;%2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>The log %1 of %2 has been altered.</source>
        <translation>Le journal %1 de l&apos;%2 a été modifié.</translation>
    </message>
    <message>
        <source>The audit event %1 (%2 at %3) has been altered.</source>
        <translation>L&apos;événement %1 du journal d&apos;audit (%2 à %3) a été modifié.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>entry %1 (controller %2, cycle %3, started %4)</source>
        <translation>entrée %1 (régulateur %2, cycle %3, démarré le %4)</translation>
    </message>
    <message>
        <source>Entries %1 to %2 of the chain of controller %3 before %4 are missing.</source>
        <translation>Les entrées %1 à %2 de la chaîne du régulateur %3 avant l&apos;%4 sont manquantes.</translation>
    </message>
    <message>
        <source>%1 does not follow the entry before it in its chain: entries were removed, inserted or reordered.</source>
        <translation>L&apos;%1 ne suit pas l&apos;entrée précédente de sa chaîne : des entrées ont été retirées, insérées ou réordonnées.</translation>
    </message>
    <message>
        <source>The chain of controller %1 has no head; its newest entry is %2.</source>
        <translation>La chaîne du régulateur %1 n&apos;a pas de tête ; son entrée la plus récente est l&apos;%2.</translation>
    </message>
    <message>
        <source>The newest entries %1 to %2 of the chain of controller %3 are missing; the newest left is %4.</source>
        <translation>Les entrées les plus récentes %1 à %2 de la chaîne du régulateur %3 sont manquantes ; la plus récente restante est l&apos;%4.</translation>
    </message>
    <message>
        <source>The head of the chain of controller %1 does not name its newest entry %2.</source>
        <translation>La tête de la chaîne du régulateur %1 ne nomme pas son entrée la plus récente, l&apos;%2.</translation>
    </message>
    <message>
        <source>release %1 of %2</source>
        <translation>libération %1 de l&apos;%2</translation>
    </message>
    <message>
        <source>The %1 has been altered, or the entry or verdict it was made on.</source>
        <translation>La %1 a été modifiée, ou l&apos;entrée ou le verdict sur lesquels elle repose.</translation>
    </message>
    <message>
        <source>Releases %1 to %2 of %3 are missing.</source>
        <translation>Les libérations %1 à %2 de l&apos;%3 sont manquantes.</translation>
    </message>
    <message>
        <source>The %1 does not follow the release before it: releases were removed, inserted or reordered.</source>
        <translation>La %1 ne suit pas la libération précédente : des libérations ont été retirées, insérées ou réordonnées.</translation>
    </message>
    <message>
        <source>The release history of %1 has no head.</source>
        <translation>L&apos;historique des libérations de l&apos;%1 n&apos;a pas de tête.</translation>
    </message>
    <message>
        <source>The newest releases %1 to %2 of %3 are missing.</source>
        <translation>Les libérations les plus récentes %1 à %2 de l&apos;%3 sont manquantes.</translation>
    </message>
    <message>
        <source>The head of the release history of %1 does not name its newest release.</source>
        <translation>La tête de l&apos;historique des libérations de l&apos;%1 ne nomme pas sa libération la plus récente.</translation>
    </message>
    <message numerus="yes">
        <source>All %n entries of the chain of controller %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique entrée de la chaîne du régulateur %1 est manquante.</numerusform>
            <numerusform>Les %n entrées de la chaîne du régulateur %1 sont toutes manquantes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n releases of entry %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique libération de l&apos;entrée %1 est manquante.</numerusform>
            <numerusform>Les %n libérations de l&apos;entrée %1 sont toutes manquantes.</numerusform>
        </translation>
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
        <translation>L&apos;ID du nouvel événement n&apos;a pas été renvoyé.</translation>
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
        <translation>L&apos;opérateur « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The account of %1 is deactivated.</source>
        <translation>Le compte de %1 est désactivé.</translation>
    </message>
    <message>
        <source>There is no such operator.</source>
        <translation>Cet opérateur n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is no supervisor: only a supervisor changes accounts.</source>
        <translation>%1 n&apos;est pas superviseur : seul un superviseur modifie les comptes.</translation>
    </message>
    <message>
        <source>An operator&apos;s name has 1 to 80 characters, without line breaks.</source>
        <translation>Le nom d&apos;un opérateur compte de 1 à 80 caractères, sans saut de ligne.</translation>
    </message>
    <message>
        <source>Initials have 1 to 5 characters.</source>
        <translation>Les initiales comptent de 1 à 5 caractères.</translation>
    </message>
    <message>
        <source>There is an operator &quot;%1&quot; already.</source>
        <translation>L&apos;opérateur « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>The PIN could not be hashed.</source>
        <translation>L&apos;empreinte du code PIN n&apos;a pas pu être calculée.</translation>
    </message>
    <message>
        <source>Another account was made meanwhile: try again.</source>
        <translation>Un autre compte a été créé entre-temps : réessayez.</translation>
    </message>
    <message>
        <source>The register keeps at least one active supervisor.</source>
        <translation>Le registre conserve au moins un superviseur actif.</translation>
    </message>
    <message numerus="yes">
        <source>The account of %1 is locked after %n wrong PINs until %2.</source>
        <translation>
            <numerusform>Le compte de %1 est verrouillé jusqu&apos;à %2 après %n code PIN erroné.</numerusform>
            <numerusform>Le compte de %1 est verrouillé jusqu&apos;à %2 après %n codes PIN erronés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN. The account of %1 is locked for %n minutes.</source>
        <translation>
            <numerusform>Code PIN erroné. Le compte de %1 est verrouillé pendant %n minute.</numerusform>
            <numerusform>Code PIN erroné. Le compte de %1 est verrouillé pendant %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN for %1: %n more attempts before the account is locked.</source>
        <translation>
            <numerusform>Code PIN erroné pour %1 : encore %n essai avant le verrouillage du compte.</numerusform>
            <numerusform>Code PIN erroné pour %1 : encore %n essais avant le verrouillage du compte.</numerusform>
        </translation>
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
        <translation type="unfinished">actif</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation type="unfinished">désactivé</translation>
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
        <translation>Le nom d&apos;un type d&apos;emballage compte de 1 à 60 caractères.</translation>
    </message>
    <message>
        <source>A shelf life is 1 to %1 days.</source>
        <translation>Une durée de conservation est de 1 à %1 jours.</translation>
    </message>
    <message>
        <source>A load has 1 to %1 packs.</source>
        <translation>Une charge compte de 1 à %1 emballages.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>L&apos;entrée %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Labels are printed only for a cycle whose load is released.</source>
        <translation>Les étiquettes ne sont imprimées que pour un cycle dont la charge est libérée.</translation>
    </message>
</context>
<context>
    <name>PackUses</name>
    <message>
        <source>The register knows no pack of this code.</source>
        <translation>Le registre ne connaît aucun emballage portant ce code.</translation>
    </message>
    <message>
        <source>The pack %1 is recalled: its cycle was found faulty after its release. Take it out of use.</source>
        <translation>L&apos;emballage %1 est rappelé : son cycle s&apos;est révélé défectueux après sa libération. Retirez-le de l&apos;utilisation.</translation>
    </message>
    <message>
        <source>The load of the pack %1 is not released (%2).</source>
        <translation>La charge de l&apos;emballage %1 n&apos;est pas libérée (%2).</translation>
    </message>
    <message>
        <source>no release</source>
        <translation>aucune libération</translation>
    </message>
    <message>
        <source>The pack %1 expired on %2.</source>
        <translation>L&apos;emballage %1 est périmé depuis le %2.</translation>
    </message>
    <message>
        <source>The pack %1 was used already.</source>
        <translation>L&apos;emballage %1 a déjà été utilisé.</translation>
    </message>
    <message>
        <source>Scan or type the pack&apos;s code.</source>
        <translation>Scannez ou saisissez le code d&apos;emballage.</translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference.</source>
        <translation>Indiquez la référence patient ou du dossier.</translation>
    </message>
    <message>
        <source>Name the operator.</source>
        <translation>Indiquez l&apos;opérateur.</translation>
    </message>
    <message>
        <source>Say in the comment why it is used all the same.</source>
        <translation>Indiquez dans le commentaire pourquoi il est utilisé malgré tout.</translation>
    </message>
    <message>
        <source>The packs cannot be read.</source>
        <translation>Les emballages ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>There is no use %1.</source>
        <translation>L&apos;utilisation %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>PackVerifier</name>
    <message>
        <source>%1 does not match its hash</source>
        <translation>%1 : ne correspond pas à son empreinte</translation>
    </message>
    <message>
        <source>operator account %1</source>
        <translation>compte opérateur %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>emballage %1</translation>
    </message>
    <message>
        <source>use %1 of pack %2</source>
        <translation>utilisation %1 de l&apos;emballage %2</translation>
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
        <translation type="unfinished">inconnu</translation>
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
        <translation>Un code PIN compte au moins %1 caractères.</translation>
    </message>
</context>
<context>
    <name>PinReader</name>
    <message>
        <source>A PIN is needed: run the command at a terminal, or give --pin-stdin and the PIN on standard input</source>
        <translation>Un code PIN est nécessaire : lancez la commande dans un terminal, ou donnez --pin-stdin et le code PIN sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>No PIN was given on standard input</source>
        <translation>Aucun code PIN n&apos;a été donné sur l&apos;entrée standard</translation>
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
        <translation type="unfinished">inconnu</translation>
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
        <translation>Indiquez le format : --csv</translation>
    </message>
    <message>
        <source>--witness-file &quot;%1&quot; cannot be read: %2</source>
        <translation>--witness-file « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The witness &quot;%1&quot; is no register position (of the form RG100001 #1234 d0fb04d1c3a2b4e5)</source>
        <translation>Le témoin « %1 » n&apos;est pas une position du registre (de la forme RG100001 #1234 d0fb04d1c3a2b4e5)</translation>
    </message>
    <message>
        <source>Witnesses are checked against the register, not against files</source>
        <translation>Les témoins sont vérifiés par rapport au registre, pas par rapport à des fichiers</translation>
    </message>
    <message>
        <source>--tsa-certificate goes with the whole register&apos;s verification, not with files</source>
        <translation>--tsa-certificate va avec la vérification de tout le registre, pas avec des fichiers</translation>
    </message>
    <message>
        <source>The hold is missing: --hold T:M</source>
        <translation>Le plateau est manquant : --hold T:M</translation>
    </message>
    <message>
        <source>The PDF file is missing: --pdf FILE</source>
        <translation>Le fichier PDF est manquant : --pdf FILE</translation>
    </message>
    <message>
        <source>Give either an ID or a period</source>
        <translation>Donnez soit un ID, soit une période</translation>
    </message>
    <message>
        <source>Give an ID, or a period with --from and --to</source>
        <translation>Donnez un ID, ou une période avec --from et --to</translation>
    </message>
    <message>
        <source>Name the operator: --operator NAME</source>
        <translation>Indiquez l&apos;opérateur : --operator NAME</translation>
    </message>
    <message>
        <source>The decision is missing: --decision released|rejected|quarantined|recalled</source>
        <translation>La décision est manquante : --decision released|rejected|quarantined|recalled</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no number from %3 to %4</source>
        <translation>--%1 « %2 » n&apos;est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>The number of packs is missing: --packs N</source>
        <translation>Le nombre d&apos;emballages est manquant : --packs N</translation>
    </message>
    <message>
        <source>The pack type is missing: --type NAME</source>
        <translation>Le type d&apos;emballage est manquant : --type NAME</translation>
    </message>
    <message>
        <source>The patient&apos;s or case&apos;s reference is missing: --reference REF</source>
        <translation>La référence patient ou du dossier est manquante : --reference REF</translation>
    </message>
    <message>
        <source>The CSV file is missing: --csv FILE</source>
        <translation>Le fichier CSV est manquant : --csv FILE</translation>
    </message>
    <message>
        <source>Too many arguments</source>
        <translation>Trop d&apos;arguments</translation>
    </message>
    <message>
        <source>Give a type with its shelf life, NAME --days N, or neither</source>
        <translation>Donnez un type avec sa durée de conservation, NAME --days N, ou aucun des deux</translation>
    </message>
    <message>
        <source>A supervisor signs the erasure: --by NAME</source>
        <translation>Un superviseur signe l&apos;effacement : --by NAME</translation>
    </message>
    <message>
        <source>--role &quot;%1&quot; is none of operator|supervisor</source>
        <translation>--role « %1 » n&apos;est aucun de operator|supervisor</translation>
    </message>
    <message>
        <source>A new account takes --initials, --role and --by</source>
        <translation>Un nouveau compte prend --initials, --role et --by</translation>
    </message>
    <message>
        <source>The initials are missing: --initials TEXT</source>
        <translation>Les initiales sont manquantes : --initials TEXT</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of add|change|reset-pin</source>
        <translation>« %1 » n&apos;est aucun de add|change|reset-pin</translation>
    </message>
    <message>
        <source>A supervisor signs the change: --by NAME</source>
        <translation>Un superviseur signe la modification : --by NAME</translation>
    </message>
    <message>
        <source>reset-pin takes only --by</source>
        <translation>reset-pin ne prend que --by</translation>
    </message>
    <message>
        <source>Give --activate or --deactivate, not both</source>
        <translation>Donnez --activate ou --deactivate, pas les deux</translation>
    </message>
    <message>
        <source>Say where to: --to postgresql://...</source>
        <translation>Indiquez la destination : --to postgresql://...</translation>
    </message>
    <message>
        <source>--status takes no folder</source>
        <translation>--status ne prend pas de dossier</translation>
    </message>
    <message>
        <source>--logs needs a folder</source>
        <translation>--logs demande un dossier</translation>
    </message>
    <message>
        <source>%1. See vaporin-records --help</source>
        <translation>%1. Voir vaporin-records --help</translation>
    </message>
    <message>
        <source>--register needs a file name or a connection URI</source>
        <translation>--register demande un nom de fichier ou une URI de connexion</translation>
    </message>
    <message>
        <source>No command given</source>
        <translation>Aucune commande donnée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command</source>
        <translation>« %1 » n&apos;est pas une commande</translation>
    </message>
    <message>
        <source>--%1 does not go with %2</source>
        <translation>--%1 ne va pas avec %2</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 est donné deux fois</translation>
    </message>
    <message>
        <source>An argument is missing</source>
        <translation>Un argument est manquant</translation>
    </message>
    <message>
        <source>Too many arguments: %1</source>
        <translation>Trop d&apos;arguments : %1</translation>
    </message>
    <message>
        <source>%1. Usage: vaporin-records %2</source>
        <translation>%1. Usage : vaporin-records %2</translation>
    </message>
    <message>
        <source>The ID &quot;%1&quot; is no entry&apos;s ID (a whole number from 1, as list shows it)</source>
        <translation>L&apos;ID « %1 » n&apos;est pas l&apos;ID d&apos;une entrée (un nombre entier à partir de 1, tel que list l&apos;affiche)</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no date of the form yyyy-MM-dd</source>
        <translation>--%1 « %2 » n&apos;est pas une date de la forme yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 est après --to %2</translation>
    </message>
    <message>
        <source>--hold &quot;%1&quot; is no hold: give T:M, the temperature in °C (0 to %2) and the minutes (0 to %3), e.g. 121:20</source>
        <translation>--hold « %1 » n&apos;est pas un plateau : donnez T:M, la température en °C (0 à %2) et les minutes (0 à %3), p. ex. 121:20</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no tolerance: give kelvin from 0 to %3, e.g. 0.5</source>
        <translation>--%1 « %2 » n&apos;est pas une tolérance : donnez des kelvins de 0 à %3, p. ex. 0.5</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is none of %3</source>
        <translation>--%1 « %2 » n&apos;est aucun de %3</translation>
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
      adds the type or sets its shelf life (1 to 3650 days) first. A type
      not in the list has a shelf life of 180 days.

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
      source. The release histories and the audit trail go along. Entries
      the target holds already (the same log, or the same controller, cycle
      number and start), and releases and events it holds already, are not
      added again, so running it twice adds nothing. Prints the number of
      entries moved and already there, of audit events carried and already
      there, and of releases carried and already there. A register whose
      entries are not intact is not moved: its problems are printed as
      verify prints them, exit status 1. Operator accounts, packs and
      their uses are not moved yet: a line starting with NOT MOVED counts
      them, exit status 1.

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
        <translation>Usage : vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

L&apos;outil de registre du poste Vaporin Regulon : importe les journaux des
cycles dans le registre des cycles, liste et exporte ses cycles, vérifie que
rien n&apos;y a été modifié, ni dans ses journaux, et donne verdicts et rapports.

Il travaille sur le registre du poste ou sur celui donné avec --register :
un fichier de registre FILE, ou une base de données sur un serveur
PostgreSQL sous forme d&apos;URI de connexion,
postgresql://[user@][host][:port][/database][?name=value&amp;...] (l&apos;hôte peut
être le dossier d&apos;un socket Unix : ?host=/var/run/postgresql). Le registre
du poste est celui que nomment ses paramètres : register/driver sqlite (par
défaut) désigne le fichier du paramètre register_path, sinon
register.sqlite dans le dossier de données du poste ; postgresql désigne
le serveur de register/host, register/port, register/database et
register/user. Un mot de passe n&apos;est jamais donné sur la ligne de commande
ni dans les paramètres : libpq le prend dans PGPASSWORD ou dans le fichier
de mots de passe ~/.pgpass. Seul import crée un fichier de registre qui
n&apos;existe pas encore ; la base de données d&apos;un serveur doit exister, et ses
tables sont créées la première fois que l&apos;outil y travaille.

Commandes :
  import FOLDER
      Enregistre les journaux des cycles de FOLDER et de ses sous-dossiers.
      Affiche le nombre de journaux importés, déjà présents (le même
      contenu, quel que soit le nom du fichier), différents de leur entrée
      (un cycle que le registre contient, même régulateur, même numéro de
      cycle et même début, avec un autre journal ; non enregistré) et
      illisibles, chaque fichier différent ou illisible avec l&apos;entrée ou la
      raison. Code de sortie 0, ou 1 si des fichiers étaient différents ou
      illisibles.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      Les cycles, du plus récent au plus ancien, en tableau aligné (ID,
      début, programme, numéro de cycle, régulateur, statut, origine,
      verdict, libération) ou en CSV. Le verdict est PASS, FAIL ou NOT
      EVALUATED tel que le registre l&apos;a enregistré ; la libération est la
      décision la plus récente (Released, Rejected, Quarantined), &quot;waiting&quot;
      pour un cycle enregistré par le poste qui n&apos;en a pas encore, ou &quot;-&quot;
      (les journaux importés et les cycles écartés n&apos;en attendent pas). La
      première colonne est l&apos;ID de l&apos;entrée, que prennent les autres
      commandes. DATE est yyyy-MM-dd à l&apos;heure locale de cet ordinateur :
      --from compte depuis le début de son jour, --to jusqu&apos;à la fin de son
      jour. --program prend le nom exact du programme.

  export ID --csv
      Les mesures de l&apos;entrée ID en CSV : heure, secondes écoulées,
      température en °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Sans fichiers : vérifie chaque entrée par rapport à son empreinte, la
      chaîne des entrées de chaque régulateur, les mesures et chaque
      fichier journal que nomme le registre. Affiche chaque problème sur
      une ligne à part, commençant par ALTERED, DAMAGED, BROKEN, MISSING,
      UNREADABLE, CONTRADICTED ou UNVERIFIED, puis quel schéma d&apos;empreinte
      couvre combien d&apos;entrées, et un résumé.
      Chaque verdict enregistré est jugé à nouveau à partir des mesures de
      l&apos;entrée, avec la bande enregistrée avec lui (que couvre l&apos;empreinte
      d&apos;une entrée du schéma 2), et chaque libération est vérifiée comme
      les entrées : par rapport à son empreinte (qui couvre l&apos;entrée et le
      verdict sur lesquels elle repose) et à sa place dans l&apos;historique des
      libérations du cycle. Chaque événement du journal d&apos;audit est vérifié
      par rapport à son empreinte, ainsi que le registre des maillons, qui
      relie chaque entrée, libération, événement, emballage et utilisation
      à la chaîne de son régulateur : un enregistrement retiré, modifié ou
      ajouté en contournant le programme s&apos;y voit.
      --witness TEXT (répétable) vérifie que le registre passe encore par
      une position imprimée sur un rapport ou un bon de libération, comme
      &quot;RG100001 #1234 d0fb04d1c3a2b4e5&quot; ; --witness-file FILE prend une
      position par ligne (les lignes vides et celles qui commencent par #
      sont ignorées). Un témoin que le registre ne contient plus, ou
      contient avec une autre empreinte, donne une ligne CONTRADICTED : des
      enregistrements plus récents ont été retirés, ou l&apos;historique jusqu&apos;à
      lui a été réécrit. Les comptes opérateur, les emballages et leurs
      utilisations sont aussi vérifiés par rapport à leurs propres
      empreintes (une référence patient effacée se vérifie toujours).
      Sur un serveur, la chaîne de chaque régulateur est vérifiée, ainsi
      que les fichiers journaux des entrées que cet ordinateur a
      enregistrées : les autres se trouvent sur les postes qui les ont
      écrits, et verify les y vérifie.
      Chaque horodatage que contient le registre est vérifié avec le
      certificat de l&apos;autorité d&apos;horodatage (PEM) de --tsa-certificate, ou
      sinon du paramètre register/tsa_certificate : un horodatage qui ne se
      vérifie pas est UNVERIFIED. Chaque position de chaîne que nomme un
      horodatage doit encore être sur sa chaîne, sinon elle est
      CONTRADICTED. Affiche combien d&apos;horodatages ont été vérifiés et
      l&apos;heure la plus récente qu&apos;ils prouvent.
      Avec des fichiers : vérifie chaque fichier par son contenu et affiche
      une ligne :
        OK FILE: ENTRY            le registre contient ce journal comme ENTRY
        ALTERED FILE: ENTRY       le registre contient un journal de ce nom
                                  de fichier, avec un autre contenu, comme
                                  ENTRY
        UNKNOWN FILE              le registre ne contient ni l&apos;un ni l&apos;autre
        UNREADABLE FILE: REASON   le fichier ne peut pas être lu
      Code de sortie 0 seulement si tout ce qui est vérifié est intact,
      sinon 1.

  check FILE --hold T:M [--lower K] [--band K]
      Le verdict du journal FILE pour un plateau de M minutes à T °C : une
      ligne qui commence par PASS, FAIL ou NOT EVALUATED et donne la
      raison. La bande va de T - K (--lower) à T + K (--band) ; par défaut,
      les paramètres verdict/lower_tolerance et verdict/upper_band (0.0 K
      et 3.0 K s&apos;ils ne sont pas définis). Un plateau de 0 minute est NOT
      EVALUATED. Code de sortie 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Ajoute une libération à l&apos;historique de l&apos;entrée ID : qui a décidé
      quoi de sa charge, avec l&apos;indicateur chimique (--ci) et l&apos;indicateur
      biologique (--bi) (tous deux &quot;unused&quot; s&apos;ils ne sont pas donnés), ce
      que contenait la charge et son numéro de lot. Rien n&apos;est jamais
      écrasé : un résultat ultérieur, celui de l&apos;indicateur biologique un
      jour après, est une autre libération ; &quot;recalled&quot; est la décision
      pour un cycle trouvé défectueux après sa libération. La charge d&apos;un
      cycle dont le verdict est FAIL ou NOT EVALUATED n&apos;est libérée
      qu&apos;avec un --comment qui dit pourquoi ; une charge dont l&apos;indicateur
      chimique n&apos;est pas conforme ou dont l&apos;indicateur biologique est
      positif n&apos;est pas stérile et n&apos;est jamais libérée. Dès que le
      registre a des comptes opérateur, NAME est celui d&apos;un compte et la
      libération est signée avec son code PIN, demandé dans le terminal
      sans écho (ou lu comme une ligne de l&apos;entrée standard avec
      --pin-stdin ; jamais une option) ; libérer la charge d&apos;un cycle FAIL
      ou NOT EVALUATED demande alors un superviseur. Cinq codes PIN erronés
      de suite verrouillent le compte pendant 5 minutes. Affiche la place
      de la libération dans l&apos;historique.

  operators
      Les comptes opérateur : nom, initiales, rôle, et s&apos;il est actif,
      désactivé ou verrouillé.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Ajoute un compte opérateur (le premier du registre est un
      superviseur et n&apos;a pas besoin de --by), en modifie un, ou lui donne
      un nouveau code PIN (ce qui lève aussi un verrouillage). Chaque
      modification est signée par le superviseur --by avec son code PIN et
      est un événement du journal d&apos;audit ; les comptes sont désactivés,
      jamais supprimés. Les codes PIN sont demandés comme pour release :
      d&apos;abord celui du superviseur, puis deux fois le nouveau code PIN. Un
      code PIN compte au moins 4 caractères et n&apos;est conservé que sous
      forme d&apos;empreinte lente et salée (scrypt).

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Enregistre N emballages de l&apos;entrée ID dans le registre et écrit
      leurs étiquettes dans le fichier PDF FILE : chacune avec un code
      d&apos;emballage (&quot;RG100001-0042-03&quot; : régulateur, numéro de cycle, numéro
      d&apos;emballage) en code-barres Code 128 et en texte, le type
      d&apos;emballage NAME, la date de stérilisation, la date de péremption (la
      durée de conservation du type, 180 jours sauf si la liste des types
      d&apos;emballage du cabinet en dit autrement), les initiales de
      l&apos;opérateur qui a libéré la charge, le régulateur, le programme et le
      verdict. Seulement pour un cycle dont la libération la plus récente
      est &quot;released&quot;. Les formats : rouleaux d&apos;imprimante d&apos;étiquettes de
      62 x 29, 57 x 32 et 50 x 25 mm (par défaut 62x29), une étiquette par
      page, ou planches A4 de 65 étiquettes de 38,1 x 21,2 mm (a4-65),
      remplies à partir de la position --first (1 à 65, ligne par ligne ; 1
      si elle n&apos;est pas donnée) afin qu&apos;une planche entamée soit terminée.
      Affiche les codes et l&apos;emplacement du fichier.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Enregistre l&apos;utilisation au fauteuil de l&apos;emballage CODE pour la
      référence patient ou du dossier REF (un numéro de dossier ; aucun nom
      n&apos;est nécessaire) par l&apos;opérateur (le nom d&apos;un compte actif dès que
      le registre a des comptes). Un emballage rappelé est refusé avec la
      raison. Un emballage inconnu, non libéré, périmé ou déjà utilisé
      n&apos;est enregistré qu&apos;avec un --comment qui dit pourquoi ;
      l&apos;avertissement est conservé avec l&apos;utilisation.

  recall ID --pdf FILE [--csv FILE]
      Le rapport de rappel de l&apos;entrée ID, en général un cycle libéré comme
      &quot;recalled&quot; : ses emballages utilisés (quand, la référence patient,
      par qui) et non utilisés (à retirer des étagères), dans le fichier
      PDF FILE et, avec --csv, aussi en CSV. La seule sortie qui nomme des
      références patient.

  expiring [--days N]
      Les emballages non utilisés qui se périment dans les N jours (14 s&apos;il
      n&apos;est pas donné) ou sont périmés : à retraiter.

  pack-types [NAME --days N]
      Les types d&apos;emballage du cabinet avec leur durée de conservation ;
      avec NAME et --days, ajoute d&apos;abord le type ou fixe sa durée de
      conservation (1 à 3650 jours). Un type absent de la liste a une durée
      de conservation de 180 jours.

  erase-reference REF --by NAME [--pin-stdin]
      Efface sur demande la référence patient REF de chaque utilisation qui
      la nomme, signé par le superviseur NAME avec son code PIN. Les
      utilisations en gardent une empreinte à clé, que couvrent leurs
      propres empreintes, afin qu&apos;elles se prouvent toujours.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Écrit le rapport de cycle de l&apos;entrée ID (son verdict tel
      qu&apos;enregistré, sa courbe et tout son historique des libérations), ou
      le rapport de période des cycles commencés du premier DATE au second
      (les deux jours inclus ; chaque cycle avec son verdict et sa
      libération la plus récente), dans le fichier PDF FILE, et affiche où.

  migrate --to URI
      Déplace le fichier de registre du poste (ou le registre de
      --register) dans le registre à l&apos;URI, en général le serveur du
      cabinet ; un fichier FILE convient aussi. Chaque entrée garde son
      contenu et est enregistrée comme propre à la cible : un nouvel ID, la
      place suivante dans la chaîne de son régulateur là-bas, une empreinte
      à elle, son verdict jugé avec la bande qui l&apos;avait jugé auparavant ;
      son événement &quot;cycle migrated&quot; nomme l&apos;ID et l&apos;empreinte de l&apos;entrée
      dans la source. Les historiques des libérations et le journal d&apos;audit
      suivent. Les entrées que la cible contient déjà (le même journal, ou
      le même régulateur, numéro de cycle et début), ainsi que les
      libérations et événements qu&apos;elle contient déjà, ne sont pas ajoutés
      de nouveau : la relancer n&apos;ajoute donc rien. Affiche le nombre
      d&apos;entrées déplacées et déjà présentes, d&apos;événements d&apos;audit
      transférés et déjà présents, et de libérations transférées et déjà
      présentes. Un registre dont les entrées ne sont pas intactes n&apos;est
      pas déplacé : ses problèmes sont affichés comme verify les affiche,
      code de sortie 1. Les comptes opérateur, les emballages et leurs
      utilisations ne sont pas encore déplacés : une ligne commençant par
      NOT MOVED les compte, code de sortie 1.

  backup [FOLDER]
      Sauvegarde le fichier de registre dans FOLDER, ou dans le dossier du
      paramètre backup/folder (choisi dans l&apos;onglet Registre), pendant que
      le poste peut continuer à écrire : une copie cohérente du registre,
      les journaux qu&apos;il nomme et que le dossier ne contient pas encore
      (dans FOLDER/logs/, copiés une fois et jamais réécrits), vérifiée là
      où elle se trouve (le contrôle d&apos;intégrité de SQLite, et les
      vérifications de verify par rapport aux journaux copiés) et seulement
      ensuite nommée register-&lt;heure UTC&gt;.sqlite. La sauvegarde la plus
      récente de chacun des 14 derniers jours (backup/daily) et de chacun
      des 12 derniers mois (backup/monthly) est conservée ; les plus
      anciennes sont supprimées après qu&apos;une plus récente a été vérifiée.
      Le dossier doit exister : un disque non branché est une erreur, pas
      un nouveau dossier. Affiche le fichier de la sauvegarde, ses entrées
      et les journaux copiés, et une ligne DIFFERS LOG pour chaque journal
      qui diffère de sa copie dans la sauvegarde (la copie est conservée).
      Chaque sauvegarde et chaque tentative échouée est enregistrée dans le
      journal d&apos;audit. Code de sortie 0, 1 si des journaux diffèrent, 2 si
      la sauvegarde a échoué.

  backup --status
      Affiche &quot;Dernière sauvegarde vérifiée : JOUR, HEURE&quot; avec son fichier
      entre parenthèses (JOUR : aujourd&apos;hui, hier ou la date), ou &quot;Aucune
      sauvegarde vérifiée pour l&apos;instant.&quot;, puis une ligne commençant par
      &quot;Avertissement :&quot; si aucune ne date de moins de 7 jours
      (backup/overdue_days), si la dernière tentative a échoué, et pour
      chaque journal qui diffère de sa copie. Code de sortie 0, ou 1 avec
      un avertissement.

  restore BACKUP [--logs FOLDER] [--force]
      Restaure un fichier de sauvegarde, ou la sauvegarde la plus récente
      du dossier BACKUP, comme fichier de registre (celui du poste, ou
      --register FILE), et ses journaux dans FOLDER, ou là où le registre
      les nomme si --logs n&apos;est pas donné ; un fichier déjà présent n&apos;est
      jamais écrasé (une ligne DIFFERS le signale s&apos;il n&apos;est pas celui qui
      a été enregistré). Vérifie ensuite le registre restauré par rapport
      aux journaux restaurés et affiche comme verify ; la restauration est
      un événement du journal d&apos;audit du registre restauré. Un registre
      qui contient des entrées absentes de la sauvegarde n&apos;est pas
      remplacé : elles sont listées (NOT IN THE BACKUP: ENTRY) et le code
      de sortie est 1 ; --force le remplace et le conserve à côté du
      registre restauré sous FILE.replaced-&lt;heure UTC&gt;. Fermez d&apos;abord le
      poste.

  window
      Ouvre la fenêtre du registre, comme le poste la montre dans son
      onglet Registre : recherche, courbes, détails, journal d&apos;audit,
      libérations, rapports, exports et paramètres, pour un bureau sans
      autoclave. Elle n&apos;ouvre jamais de port série. Demande un écran ; se
      termine quand la fenêtre est fermée.

Le CSV suit la RFC 4180 : UTF-8, une ligne d&apos;en-tête, fins de ligne CRLF. Un
texte qui commence par =, +, -, @, une tabulation ou un retour chariot et
qui n&apos;est pas un simple nombre commence par une apostrophe à l&apos;intérieur de
ses guillemets, afin que les tableurs l&apos;affichent comme du texte.

Les messages, les questions, cette aide et les rapports sont dans la langue
du paramètre Language du poste (German ou Français ; anglais sinon). Ce que
lisent les scripts reste en anglais dans toutes les langues : les commandes
et options, les tableaux de list, operators, pack-types et expiring, le
CSV, le mot-clé en début de ligne (OK, ALTERED, DAMAGED, BROKEN, MISSING,
UNREADABLE, UNKNOWN, CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED, NOT IN
THE BACKUP, PASS, FAIL, NOT EVALUATED), les lignes entières des fichiers
que vérifie verify et de NOT IN THE BACKUP, et le code de sortie.

Code de sortie :
  0  succès : fait, tout ce qui est vérifié est intact, PASS
  1  problèmes trouvés : fichiers non importés, entrées ou journaux non
     intacts, FAIL
  2  une erreur d&apos;utilisation, une libération que les règles refusent, ou
     le registre, un fichier ou la sortie n&apos;a pas pu être lu ou écrit ; le
     message est sur la sortie d&apos;erreur standard
  3  NOT EVALUATED

Options :
  --register FILE|URI  le registre sur lequel travailler au lieu de celui
                       du poste
  -h, --help           ce texte
  --version            la version de l&apos;outil
</translation>
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
        <source>color: #555;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #b00020;</source>
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
        <source>color: #b00020;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #8a5a00;</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>color: #555;</source>
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
        <translation type="unfinished">entrée %1</translation>
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
        <translation>Le registre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importés : %1</translation>
    </message>
    <message>
        <source>Already present: %1</source>
        <translation>Déjà présents : %1</translation>
    </message>
    <message>
        <source>Differing from their entry: %1</source>
        <translation>Différents de leur entrée : %1</translation>
    </message>
    <message>
        <source>  %1: the register holds this cycle as entry %2 with another log</source>
        <translation>  %1 : le registre contient ce cycle comme entrée %2 avec un autre journal</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Illisibles : %1</translation>
    </message>
    <message>
        <source>The import stopped: the register failed: %1</source>
        <translation>L&apos;importation s&apos;est arrêtée : le registre a échoué : %1</translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation>Le registre ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read.</source>
        <translation>Le certificat %1 de l&apos;autorité d&apos;horodatage ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verify on those stations checks them.</source>
        <translation>Non vérifiés ici : %1 d&apos;autres postes ; verify sur ces postes les vérifie.</translation>
    </message>
    <message>
        <source>scheme %1 covers %2</source>
        <translation>le schéma %1 couvre %2</translation>
    </message>
    <message>
        <source>the ledger links %1 in %2</source>
        <translation>le registre des maillons relie %1 en %2</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation>%1 vérifié(s)</translation>
    </message>
    <message>
        <source>Coverage: %1.</source>
        <translation>Couverture : %1.</translation>
    </message>
    <message>
        <source>Checked %1 of %2 and %3: %4</source>
        <translation>Vérifiés : %1 de %2 et %3 : %4</translation>
    </message>
    <message>
        <source>intact.</source>
        <translation>intact.</translation>
    </message>
    <message>
        <source>Nothing was moved: the entries of %1 are not intact (see above).</source>
        <translation>Rien n&apos;a été déplacé : les entrées de %1 ne sont pas intactes (voir ci-dessus).</translation>
    </message>
    <message>
        <source>Moved: %1</source>
        <translation>Déplacées : %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Déjà présentes : %1</translation>
    </message>
    <message>
        <source>Audit events carried: %1</source>
        <translation>Événements du journal d&apos;audit transférés : %1</translation>
    </message>
    <message>
        <source>Audit events already there: %1</source>
        <translation>Événements du journal d&apos;audit déjà présents : %1</translation>
    </message>
    <message>
        <source>Releases carried: %1</source>
        <translation>Libérations transférées : %1</translation>
    </message>
    <message>
        <source>Releases already there: %1</source>
        <translation>Libérations déjà présentes : %1</translation>
    </message>
    <message>
        <source>The migration stopped: %1 Running it again goes on from there.</source>
        <translation>La migration s&apos;est arrêtée : %1 La relancer reprend à cet endroit.</translation>
    </message>
    <message>
        <source>NOT MOVED: %1 operator accounts, %2 packs and %3 uses stay in %4; this version moves entries, releases and the audit trail only.</source>
        <translation>NOT MOVED: %1 comptes opérateur, %2 emballages et %3 utilisations restent dans %4 ; cette version ne déplace que les entrées, les libérations et le journal d&apos;audit.</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a run log.</source>
        <translation>%1 est trop volumineux pour être un journal du cycle.</translation>
    </message>
    <message>
        <source>%1 is no readable run log: %2</source>
        <translation>%1 n&apos;est pas un journal du cycle lisible : %2</translation>
    </message>
    <message>
        <source>PIN of %1</source>
        <translation>Code PIN de %1</translation>
    </message>
    <message>
        <source>The release of %1 was not entered: %2</source>
        <translation>La libération de l&apos;%1 n&apos;a pas été enregistrée : %2</translation>
    </message>
    <message>
        <source>Entered release %1 of %2: %3 by %4.</source>
        <translation>Libération %1 de l&apos;%2 enregistrée : %3 par %4.</translation>
    </message>
    <message>
        <source>A PIN is needed</source>
        <translation>Un code PIN est nécessaire</translation>
    </message>
    <message>
        <source>New PIN of %1</source>
        <translation>Nouveau code PIN de %1</translation>
    </message>
    <message>
        <source>The new PIN again</source>
        <translation>Le nouveau code PIN une seconde fois</translation>
    </message>
    <message>
        <source>The two PINs differ; nothing was changed.</source>
        <translation>Les deux codes PIN diffèrent ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation>L&apos;opérateur « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>A supervisor signs new accounts: --by NAME</source>
        <translation>Un superviseur signe les nouveaux comptes : --by NAME</translation>
    </message>
    <message>
        <source>The account was not added: %1</source>
        <translation>Le compte n&apos;a pas été ajouté : %1</translation>
    </message>
    <message>
        <source>Added %1 (%2), %3.</source>
        <translation>Ajouté : %1 (%2), %3.</translation>
    </message>
    <message>
        <source>The account was not changed: %1</source>
        <translation>Le compte n&apos;a pas été modifié : %1</translation>
    </message>
    <message>
        <source>Changed %1 (%2), %3, %4.</source>
        <translation>Modifié : %1 (%2), %3, %4.</translation>
    </message>
    <message>
        <source>The PIN was not reset: %1</source>
        <translation>Le code PIN n&apos;a pas été réinitialisé : %1</translation>
    </message>
    <message>
        <source>The PIN of %1 is reset.</source>
        <translation>Le code PIN de %1 est réinitialisé.</translation>
    </message>
    <message>
        <source>There is no label format &quot;%1&quot;.</source>
        <translation>Le format d&apos;étiquette « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No labels were made for %1: %2</source>
        <translation>Aucune étiquette n&apos;a été créée pour l&apos;%1 : %2</translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels cannot be written to %3: %4</source>
        <translation>Les emballages %1 à %2 sont enregistrés, mais leurs étiquettes ne peuvent pas être écrites dans %3 : %4</translation>
    </message>
    <message>
        <source>The use was not entered: %1</source>
        <translation>L&apos;utilisation n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2.</source>
        <translation>Utilisation de %1 par %2 enregistrée.</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2 despite: %3</source>
        <translation>Utilisation de %1 par %2 enregistrée malgré : %3</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2</source>
        <translation>Le rapport %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The recall report of %1 is in %2: %3 packs used, %4 to be taken from the shelves.</source>
        <translation>Le rapport de rappel de l&apos;%1 est dans %2 : %3 emballages utilisés, %4 à retirer des étagères.</translation>
    </message>
    <message>
        <source>The pack type was not set: %1</source>
        <translation>Le type d&apos;emballage n&apos;a pas été défini : %1</translation>
    </message>
    <message>
        <source>Only a supervisor erases a reference: %1</source>
        <translation>Seul un superviseur efface une référence : %1</translation>
    </message>
    <message>
        <source>%1 is no supervisor.</source>
        <translation>%1 n&apos;est pas superviseur.</translation>
    </message>
    <message>
        <source>The reference was not erased: %1</source>
        <translation>La référence n&apos;a pas été effacée : %1</translation>
    </message>
    <message>
        <source>The report of %1 is in %2.</source>
        <translation>Le rapport de l&apos;%1 est dans %2.</translation>
    </message>
    <message>
        <source>The report of %1 from %2 to %3 is in %4.</source>
        <translation>Le rapport de %1 du %2 au %3 est dans %4.</translation>
    </message>
    <message>
        <source>The register %1 is on a server: back it up there (see the README&apos;s &quot;Backups&quot;).</source>
        <translation>Le registre %1 est sur un serveur : sauvegardez-le là-bas (voir « Backups » dans le README).</translation>
    </message>
    <message>
        <source>No backup folder: give one, or choose one in the Records tab.</source>
        <translation>Aucun dossier de sauvegarde : donnez-en un, ou choisissez-en un dans l&apos;onglet Registre.</translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation>La sauvegarde a échoué : %1</translation>
    </message>
    <message>
        <source>Backup verified: %1</source>
        <translation>Sauvegarde vérifiée : %1</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Entrées : %1</translation>
    </message>
    <message>
        <source>Logs copied: %1</source>
        <translation>Journaux copiés : %1</translation>
    </message>
    <message>
        <source>Removed older backup: %1</source>
        <translation>Ancienne sauvegarde supprimée : %1</translation>
    </message>
    <message>
        <source>%1 Give --force to replace it anyway; it is then kept beside the restored one.</source>
        <translation>%1 Donnez --force pour le remplacer malgré tout ; il est alors conservé à côté du registre restauré.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restauré : %1</translation>
    </message>
    <message>
        <source>The replaced register is kept as: %1</source>
        <translation>Le registre remplacé est conservé sous : %1</translation>
    </message>
    <message>
        <source>Logs restored: %1</source>
        <translation>Journaux restaurés : %1</translation>
    </message>
    <message>
        <source>Logs already there: %1</source>
        <translation>Journaux déjà présents : %1</translation>
    </message>
    <message>
        <source>Vaporin Records</source>
        <translation>Vaporin Records</translation>
    </message>
    <message>
        <source>The output could not be written: %1</source>
        <translation>La sortie n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n log file</source>
        <translation>
            <numerusform>%n fichier journal</numerusform>
            <numerusform>%n fichiers journaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log files</source>
        <translation>
            <numerusform>%n fichier journal</numerusform>
            <numerusform>%n fichiers journaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chain</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chains</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witness</source>
        <translation>
            <numerusform>%n témoin</numerusform>
            <numerusform>%n témoins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witnesses</source>
        <translation>
            <numerusform>%n témoin</numerusform>
            <numerusform>%n témoins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controller</source>
        <translation>
            <numerusform>%n régulateur</numerusform>
            <numerusform>%n régulateurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controllers</source>
        <translation>
            <numerusform>%n régulateur</numerusform>
            <numerusform>%n régulateurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem.</source>
        <translation>
            <numerusform>%n problème.</numerusform>
            <numerusform>%n problèmes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems.</source>
        <translation>
            <numerusform>%n problème.</numerusform>
            <numerusform>%n problèmes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels, %1 to %2, are in %3.</source>
        <translation>
            <numerusform>%n étiquette, %1 à %2, est dans %3.</numerusform>
            <numerusform>%n étiquettes, %1 à %2, sont dans %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The reference is erased from %n uses.</source>
        <translation>
            <numerusform>La référence est effacée de %n utilisation.</numerusform>
            <numerusform>La référence est effacée de %n utilisations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycle</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>its copy in the backup was kept</source>
        <translation>sa copie dans la sauvegarde a été conservée</translation>
    </message>
    <message>
        <source>another file of that name is there; not overwritten</source>
        <translation>un autre fichier de ce nom s&apos;y trouve ; non écrasé</translation>
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
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The backup %1 is verified, but the register cannot record it: %2</source>
        <translation>La sauvegarde %1 est vérifiée, mais le registre ne peut pas l&apos;enregistrer : %2</translation>
    </message>
    <message>
        <source>The log %1 cannot be copied to %2: %3</source>
        <translation>Le journal %1 ne peut pas être copié vers %2 : %3</translation>
    </message>
    <message>
        <source>The copy %1 cannot be written: %2</source>
        <translation>La copie %1 ne peut pas être écrite : %2</translation>
    </message>
    <message>
        <source>The copy %1 cannot be completed.</source>
        <translation>La copie %1 ne peut pas être terminée.</translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation>Aucun dossier de sauvegarde n&apos;est choisi.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not there (is its disk plugged in?).</source>
        <translation>Le dossier de sauvegarde %1 est absent (son disque est-il branché ?).</translation>
    </message>
    <message>
        <source>The backup does not verify: %1</source>
        <translation>La sauvegarde échoue à la vérification : %1</translation>
    </message>
    <message>
        <source>The backup cannot be named %1.</source>
        <translation>La sauvegarde ne peut pas être nommée %1.</translation>
    </message>
    <message>
        <source>The register cannot be copied to %1: %2</source>
        <translation>Le registre ne peut pas être copié vers %1 : %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The backup was stopped.</source>
        <translation>La sauvegarde a été arrêtée.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more problems)</source>
        <translation>
            <numerusform>%1 (et %n autre problème)</numerusform>
            <numerusform>%1 (et %n autres problèmes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterLocation</name>
    <message>
        <source>The connection URI cannot be used: %1.</source>
        <translation>L&apos;URI de connexion ne peut pas être utilisée : %1.</translation>
    </message>
    <message>
        <source>give postgresql://[user@][host][:port][/database][?name=value&amp;...]</source>
        <translation>donnez postgresql://[user@][host][:port][/database][?name=value&amp;...]</translation>
    </message>
    <message>
        <source>it holds a password, which would show to every user of this computer; give it in PGPASSWORD or the password file ~/.pgpass instead</source>
        <translation>elle contient un mot de passe, que verrait tout utilisateur de cet ordinateur ; donnez-le plutôt dans PGPASSWORD ou le fichier de mots de passe ~/.pgpass</translation>
    </message>
    <message>
        <source>the host %1 is no [IPv6 address]</source>
        <translation>l&apos;hôte %1 n&apos;est pas une [adresse IPv6]</translation>
    </message>
    <message>
        <source>a &quot;%&quot; is not followed by two hexadecimal digits</source>
        <translation>un « % » n&apos;est pas suivi de deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; is no name=value</source>
        <translation>le paramètre « %1 » n&apos;est pas de la forme name=value</translation>
    </message>
    <message>
        <source>the value of %1 holds a &quot;;&quot;</source>
        <translation>la valeur de %1 contient un « ; »</translation>
    </message>
    <message>
        <source>the port %1 is no number from 1 to 65535</source>
        <translation>le port %1 n&apos;est pas un nombre de 1 à 65535</translation>
    </message>
</context>
<context>
    <name>RegisterReader</name>
    <message>
        <source>The release was not saved: %1</source>
        <translation>La libération n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>The release was not saved: the register shown has changed; choose the cycle again.</source>
        <translation>La libération n&apos;a pas été enregistrée : le registre affiché a changé ; choisissez à nouveau le cycle.</translation>
    </message>
    <message>
        <source>The event was not saved: %1</source>
        <translation>L&apos;événement n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>L&apos;imprimante ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>The register could not be read: %1</source>
        <translation>Le registre n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
</context>
<context>
    <name>RegisterRestore</name>
    <message>
        <source>The folder %1 holds no backup.</source>
        <translation>Le dossier %1 ne contient aucune sauvegarde.</translation>
    </message>
    <message>
        <source>There is no backup %1.</source>
        <translation>La sauvegarde %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Le dossier de %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be copied to %2.</source>
        <translation>La sauvegarde %1 ne peut pas être copiée vers %2.</translation>
    </message>
    <message>
        <source>The register %1 is in use; close the station first.</source>
        <translation>Le registre %1 est utilisé ; fermez d&apos;abord le poste.</translation>
    </message>
    <message>
        <source>The register %1 cannot be moved aside.</source>
        <translation>Le registre %1 ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>The restored register cannot be named %1.</source>
        <translation>Le registre restauré ne peut pas être nommé %1.</translation>
    </message>
    <message>
        <source>The register is restored, but it cannot record the restore: %1</source>
        <translation>Le registre est restauré, mais il ne peut pas enregistrer la restauration : %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message numerus="yes">
        <source>The register %1 holds %n entries that the backup lacks; nothing was replaced.</source>
        <translation>
            <numerusform>Le registre %1 contient %n entrée absente de la sauvegarde ; rien n&apos;a été remplacé.</numerusform>
            <numerusform>Le registre %1 contient %n entrées absentes de la sauvegarde ; rien n&apos;a été remplacé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterSchema</name>
    <message>
        <source>The register has schema version %1, newer than this program knows (%2); use a newer version of the program.</source>
        <translation>Le registre a la version de schéma %1, plus récente que celle que ce programme connaît (%2) ; utilisez une version plus récente du programme.</translation>
    </message>
</context>
<context>
    <name>RegisterTransfer</name>
    <message>
        <source>%1 has been altered.</source>
        <translation>L&apos;%1 a été modifiée.</translation>
    </message>
</context>
<context>
    <name>RegisterVerification</name>
    <message>
        <source>The time stamp %1 (%2) does not verify: %3</source>
        <translation>L&apos;horodatage %1 (%2) échoue à la vérification : %3</translation>
    </message>
    <message>
        <source>the text it stamps is not a list of chain positions.</source>
        <translation>le texte horodaté n&apos;est pas une liste de positions de chaîne.</translation>
    </message>
    <message>
        <source>No time stamps are stored.</source>
        <translation>Aucun horodatage n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>%1 not checked: no certificate of the time-stamp authority was given.</source>
        <translation>%1 non vérifié(s) : aucun certificat de l&apos;autorité d&apos;horodatage n&apos;a été donné.</translation>
    </message>
    <message>
        <source>Checked %1: none verifies.</source>
        <translation>%1 vérifié(s) : aucun n&apos;est valide.</translation>
    </message>
    <message>
        <source>Checked %1: the register is proven as of %2.</source>
        <translation>%1 vérifié(s) : le registre est prouvé à la date du %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n time stamp</source>
        <translation>
            <numerusform>%n horodatage</numerusform>
            <numerusform>%n horodatages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time stamps</source>
        <translation>
            <numerusform>%n horodatage</numerusform>
            <numerusform>%n horodatages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterWriter</name>
    <message>
        <source>The run has no start time.</source>
        <translation>Le cycle en cours n&apos;a pas d&apos;heure de début.</translation>
    </message>
</context>
<context>
    <name>Release</name>
    <message>
        <source>Passed</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Released</source>
        <translation>Libéré</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Quarantined</source>
        <translation>En quarantaine</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>Rappelé</translation>
    </message>
</context>
<context>
    <name>ReleaseDialog</name>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #555;</source>
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
        <source>color: #b00020;</source>
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
        <translation>Indiquez l&apos;opérateur qui prend la décision.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>The chemical indicator failed: the load is not sterile and cannot be released.</source>
        <translation>L&apos;indicateur chimique n&apos;est pas conforme : la charge n&apos;est pas stérile et ne peut pas être libérée.</translation>
    </message>
    <message>
        <source>The biological indicator is positive: the load is not sterile and cannot be released.</source>
        <translation>L&apos;indicateur biologique est positif : la charge n&apos;est pas stérile et ne peut pas être libérée.</translation>
    </message>
    <message>
        <source>The verdict is FAIL: say in the comment why the load is released all the same.</source>
        <translation>Le verdict est NON CONFORME : indiquez dans le commentaire pourquoi la charge est libérée malgré tout.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: say in the comment why the load is released all the same.</source>
        <translation>Le verdict est NON ÉVALUÉ : indiquez dans le commentaire pourquoi la charge est libérée malgré tout.</translation>
    </message>
</context>
<context>
    <name>ReleaseSigning</name>
    <message>
        <source>The verdict is FAIL: only a supervisor releases its load.</source>
        <translation>Le verdict est NON CONFORME : seul un superviseur libère sa charge.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: only a supervisor releases its load.</source>
        <translation>Le verdict est NON ÉVALUÉ : seul un superviseur libère sa charge.</translation>
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
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>It is no run log: it does not begin with &quot;%1&quot;.</source>
        <translation>Ce n&apos;est pas un journal du cycle : il ne commence pas par « %1 ».</translation>
    </message>
    <message>
        <source>Its last line is incomplete: the log is cut short.</source>
        <translation>La dernière ligne est incomplète : le journal est tronqué.</translation>
    </message>
    <message>
        <source>The header ends early: &quot;%1&quot; is missing.</source>
        <translation>L&apos;en-tête se termine trop tôt : « %1 » est manquant.</translation>
    </message>
    <message>
        <source>Line %1 does not begin with &quot;%2&quot;.</source>
        <translation>La ligne %1 ne commence pas par « %2 ».</translation>
    </message>
    <message>
        <source>Line %1 holds a zero byte: it is no text.</source>
        <translation>La ligne %1 contient un octet nul : ce n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>The header ends early: the column titles are missing.</source>
        <translation>L&apos;en-tête se termine trop tôt : les titres de colonnes sont manquants.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 are not &quot;Data Points&quot; and the column titles.</source>
        <translation>Les lignes %1 et %2 ne sont pas « Data Points » et les titres de colonnes.</translation>
    </message>
    <message>
        <source>The start time &quot;%1&quot; is no time.</source>
        <translation>L&apos;heure de début « %1 » n&apos;est pas une heure.</translation>
    </message>
    <message>
        <source>The finish time &quot;%1&quot; is no time.</source>
        <translation>L&apos;heure de fin « %1 » n&apos;est pas une heure.</translation>
    </message>
    <message>
        <source>The cycle number &quot;%1&quot; is no number.</source>
        <translation>Le numéro de cycle « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1 is no row of elapsed time and temperature.</source>
        <translation>La ligne %1 n&apos;est pas une ligne de temps écoulé et de température.</translation>
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
        <translation>Le certificat %1 de l&apos;autorité d&apos;horodatage ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 holds no certificate (PEM).</source>
        <translation>Le fichier %1 ne contient aucun certificat (PEM).</translation>
    </message>
    <message>
        <source>The answer is no time-stamp reply.</source>
        <translation>La réponse n&apos;est pas une réponse d&apos;horodatage.</translation>
    </message>
    <message>
        <source>The authority refused the request (status %1).</source>
        <translation>L&apos;autorité d&apos;horodatage a refusé la demande (statut %1).</translation>
    </message>
    <message>
        <source>The token cannot be encoded.</source>
        <translation>Le jeton ne peut pas être encodé.</translation>
    </message>
    <message>
        <source>The token cannot be read.</source>
        <translation>Le jeton ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The token cannot be checked.</source>
        <translation>Le jeton ne peut pas être vérifié.</translation>
    </message>
    <message>
        <source>The token does not verify.</source>
        <translation>Le jeton échoue à la vérification.</translation>
    </message>
    <message>
        <source>The token&apos;s time cannot be read.</source>
        <translation>L&apos;heure du jeton ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>TransferLock</name>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Le fichier de verrou %1 ne peut pas être créé.</translation>
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
