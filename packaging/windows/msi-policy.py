#!/usr/bin/env python3
"""Finishes the installer's machine policy, which wixl cannot write whole: the policy's
component is installed only when the command line sets SITEVISIT to 0, and removed with the
product. Its condition holds on removal too: Wine's installer leaves a component behind whose
condition fails then (Windows Installer's documentation has it evaluated again only for a
transitive component), and a component that was never installed has nothing to remove. SITEVISIT is a secure
property, so that it reaches the installation when a user without administrator rights
installs with elevated rights.

    msi-policy.py MSI_FILE COMPONENT PROPERTY VALUE
"""
import subprocess
import sys


def sql_text(text):
    return "'" + text.replace("'", "''") + "'"


def main():
    msi, component, prop, value = sys.argv[1:5]
    table = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                           capture_output=True, text=True).stdout
    secure = [line.split("\t", 1)[1].strip() for line in table.splitlines()
              if line.startswith("SecureCustomProperties\t")]
    condition = '%s = "%s" OR REMOVE ~= "ALL"' % (prop, value)
    queries = [f"UPDATE `Component` SET `Condition` = {sql_text(condition)} "
               f"WHERE `Component` = {sql_text(component)}"]
    if secure:
        names = secure[0].split(";")
        if prop not in names:
            queries.append(f"UPDATE `Property` SET `Value` = {sql_text(';'.join(names + [prop]))} "
                           "WHERE `Property` = 'SecureCustomProperties'")
    else:
        queries.append("INSERT INTO `Property` (`Property`, `Value`) "
                       f"VALUES ('SecureCustomProperties', {sql_text(prop)})")
    for query in queries:
        subprocess.run(["msibuild", msi, "-q", query], check=True)
    conditions = subprocess.run(["msiinfo", "export", msi, "Component"], check=True,
                                capture_output=True, text=True).stdout
    if condition not in conditions:
        sys.exit(f"msi-policy.py: {component} has no condition in {msi}")


if __name__ == "__main__":
    main()
